/* Control IDs of the Record page's dialog templates. */
#ifndef HALVARD_RES_RECORD_IDS_H
#define HALVARD_RES_RECORD_IDS_H

#endif /* HALVARD_RES_RECORD_IDS_H */
