/* Control IDs of the EQ page's dialog template. */
#ifndef HALVARD_RES_EQ_IDS_H
#define HALVARD_RES_EQ_IDS_H

#endif /* HALVARD_RES_EQ_IDS_H */
