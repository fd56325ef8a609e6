/* Control IDs of the Playback page's dialog templates. */
#ifndef HALVARD_RES_PLAYBACK_IDS_H
#define HALVARD_RES_PLAYBACK_IDS_H

#endif /* HALVARD_RES_PLAYBACK_IDS_H */
