/* Control IDs of the Digital page's dialog template. */
#ifndef HALVARD_RES_DIGITAL_IDS_H
#define HALVARD_RES_DIGITAL_IDS_H

#endif /* HALVARD_RES_DIGITAL_IDS_H */
