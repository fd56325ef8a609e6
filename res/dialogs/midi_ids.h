/* Control IDs of the MIDI page's dialog template. */
#ifndef HALVARD_RES_MIDI_IDS_H
#define HALVARD_RES_MIDI_IDS_H

#define IDC_MIDI_FRAME                  1105
#define IDC_MIDI_HW_VOICES              1106  /* drop-down lists; item data is the limit */
#define IDC_MIDI_SW_VOICES              1108
#define IDC_MIDI_ALLOC_DYNAMIC          1109  /* method 0 */
#define IDC_MIDI_ALLOC_DLS              1110  /* method 1 */
#define IDC_MIDI_PROCESSING_FRAME       1111
#define IDC_MIDI_ALLOCATION_FRAME       1112
#define IDC_MIDI_SAMPLE_SET_FRAME       1113
#define IDC_MIDI_SET_FILE               1114
#define IDC_MIDI_BROWSE                 1115
#define IDC_MIDI_RESIDENT               1116
#define IDC_MIDI_CUSTOM_SET             1117
#define IDC_MIDI_DEFAULT_SET            1118
#define IDC_MIDI_HW_LABEL               1119
#define IDC_MIDI_SW_LABEL               1120

#endif /* HALVARD_RES_MIDI_IDS_H */
