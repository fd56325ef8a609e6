/* Control IDs of the EQ page's dialog template. */
#ifndef HALVARD_RES_EQ_IDS_H
#define HALVARD_RES_EQ_IDS_H

#define IDC_EQ_BAND_FIRST               1060  /* band sliders 1060-1069, left to right */
#define IDC_EQ_BAND_LAST                1069
#define IDC_EQ_SCALE_TOP                1070  /* "10dB" */
#define IDC_EQ_SCALE_HZ                 1071  /* "Hz" */
#define IDC_EQ_SCALE_MIDDLE             1072  /* "0dB" */
#define IDC_EQ_SCALE_BOTTOM             1073  /* "-10dB" */
#define IDC_EQ_SCALE_MIDDLE_RIGHT       1074  /* "0dB" */
#define IDC_EQ_SCALE_DB                 1075  /* "dB" */
#define IDC_EQ_ENABLE                   1076  /* also the ID of its tooltip string */
#define IDC_EQ_FREQUENCY_FIRST          1077  /* frequency labels 1077-1086 */
#define IDC_EQ_GAIN_FIRST               1087  /* gain labels 1087-1096 */
#define IDC_EQ_FRAME                    1097
#define IDC_EQ_PRESET                   1098  /* combo box with an edit field */
#define IDC_EQ_PRESETS_FRAME            1099
#define IDC_EQ_ADD                      1100
#define IDC_EQ_DELETE                   1101
#define IDC_EQ_SAVE                     1102
#define IDC_EQ_RESTORE                  1103
#define IDC_EQ_PEAK_METERS              1104

#endif /* HALVARD_RES_EQ_IDS_H */
