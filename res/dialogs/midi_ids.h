/* Control IDs of the MIDI page's dialog template. */
#ifndef HALVARD_RES_MIDI_IDS_H
#define HALVARD_RES_MIDI_IDS_H

#endif /* HALVARD_RES_MIDI_IDS_H */
