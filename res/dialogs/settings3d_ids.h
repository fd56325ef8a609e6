/* Control IDs of the 3D Settings page's dialog template. */
#ifndef HALVARD_RES_SETTINGS3D_IDS_H
#define HALVARD_RES_SETTINGS3D_IDS_H

#endif /* HALVARD_RES_SETTINGS3D_IDS_H */
