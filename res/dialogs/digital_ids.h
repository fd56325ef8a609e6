/* Control IDs of the Digital page's dialog template. */
#ifndef HALVARD_RES_DIGITAL_IDS_H
#define HALVARD_RES_DIGITAL_IDS_H

#define IDC_SPDIF_IN_FRAME              1030
#define IDC_SPDIF_RATE_FRAME            1031
#define IDC_SPDIF_COPY_FRAME            1032
#define IDC_SPDIF_EMPHASIS_FRAME        1033
#define IDC_SPDIF_RATE                  1034  /* status texts */
#define IDC_SPDIF_COPY                  1035
#define IDC_SPDIF_UNUSED_LEFT           1036  /* plain sliders, hidden */
#define IDC_SPDIF_UNUSED_RIGHT          1037
#define IDC_SPDIF_IN_MUTE               1038
#define IDC_SPDIF_IN_OFF                1039  /* input mode 0; modes follow the IDs */
#define IDC_SPDIF_IN_AUTO               1040  /* input mode 1 */
#define IDC_SPDIF_IN_ON                 1041  /* input mode 2 */
#define IDC_SPDIF_EMPHASIS              1042
#define IDC_SPDIF_OUT_EMPHASIS          1043  /* hidden */
#define IDC_SPDIF_OUT_FRAME             1044
#define IDC_SPDIF_OUT_COPY_BIT          1045
#define IDC_SPDIF_OUT_DVD               1046  /* output source 3; hidden */
#define IDC_SPDIF_OUT_DIRECT            1047  /* output source 2 */
#define IDC_SPDIF_OUT_MIX               1048  /* output source 1 */
#define IDC_SPDIF_OUT_OFF               1049  /* output source 0 */
#define IDC_SPDIF_IN_VOLUME             1265

#endif /* HALVARD_RES_DIGITAL_IDS_H */
