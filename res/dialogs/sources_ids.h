/* Control IDs of the Sources page's dialog template. */
#ifndef HALVARD_RES_SOURCES_IDS_H
#define HALVARD_RES_SOURCES_IDS_H

/* Column c (0-6) has the fader, label and mute box of that number + c. */
#define IDC_SOURCES_FRAME               1260
#define IDC_SOURCES_FADER_FIRST         1269
#define IDC_SOURCES_LABEL_FIRST         1276
#define IDC_SOURCES_MUTE_FIRST          1283
#define IDC_SOURCES_BOOST               1290

#endif /* HALVARD_RES_SOURCES_IDS_H */
