/* Control IDs of the Sources page's dialog template. */
#ifndef HALVARD_RES_SOURCES_IDS_H
#define HALVARD_RES_SOURCES_IDS_H

#endif /* HALVARD_RES_SOURCES_IDS_H */
