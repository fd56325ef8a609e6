/* Control IDs of the Misc page's dialog template. */
#ifndef HALVARD_RES_MISC_IDS_H
#define HALVARD_RES_MISC_IDS_H

#define IDC_MISC_LOAD                   1121
#define IDC_MISC_SAVE                   1122
#define IDC_MISC_PRESETS_FRAME          1123
#define IDC_MISC_SWITCHES_FRAME         1124
#define IDC_MISC_ABOUT_TEXT             1125
#define IDC_MISC_ABOUT_FRAME            1126
#define IDC_MISC_ICON                   1128
#define IDC_MISC_SHOW_TASKBAR_ICON      1261
#define IDC_MISC_GLOBAL_HOTKEYS         1262
#define IDC_MISC_COLOR_SETUP            1267

#endif /* HALVARD_RES_MISC_IDS_H */
