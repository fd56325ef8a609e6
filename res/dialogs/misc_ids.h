/* Control IDs of the Misc page's dialog template. */
#ifndef HALVARD_RES_MISC_IDS_H
#define HALVARD_RES_MISC_IDS_H

#endif /* HALVARD_RES_MISC_IDS_H */
