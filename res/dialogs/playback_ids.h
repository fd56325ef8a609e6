/* Control IDs of the Playback page's dialog templates. */
#ifndef HALVARD_RES_PLAYBACK_IDS_H
#define HALVARD_RES_PLAYBACK_IDS_H

/* Column c (0 = master) has the label, fader and mute box of that number + c:
   nine columns on the nine-column template, the first six on the six-column one. */
#define IDC_PLAYBACK_LABEL_FIRST        1217
#define IDC_PLAYBACK_FADER_FIRST        1228
#define IDC_PLAYBACK_MUTE_FIRST         1240
#define IDC_PLAYBACK_BOOST              1251  /* nine-column template only */
#define IDC_PLAYBACK_FRAME              1260

#endif /* HALVARD_RES_PLAYBACK_IDS_H */
