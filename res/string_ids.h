/*
 * String table IDs of the Halvard 5.1+ control panel.
 *
 * Plain #defines only, so this header can be included from C++ sources and
 * from resource scripts alike. The texts live in res/strings/strings_xx.rc,
 * one file per language; every language defines every ID below except
 * IDS_SOURCES_FRAME, which English leaves out on purpose (the Sources page
 * then keeps the English text of its dialog template).
 *
 * The numbers are fixed: pages load some texts by control ID (1076), and the
 * same numbers are used by every language table.
 */
#ifndef HALVARD_RES_STRING_IDS_H
#define HALVARD_RES_STRING_IDS_H

/* Identity. Not translated: the product name names the single-instance
   semaphore, the autostart value, the mixer device to open and the program
   file started by autostart. */
#define IDS_PRODUCT_NAME                130   /* "Halvard 5.1+" */
#define IDS_SHORT_NAME                  131   /* "Halvard": sheet caption, tray tip, About text */

/* Tooltip of the EQ page's Enable check box; its ID equals the control ID. */
#define IDS_TIP_EQ_ENABLE               1076

/* Playback, Record and Sources pages */
#define IDS_PLAYBACK_FRAME              4000
#define IDS_RECORD_FRAME                4001
#define IDS_AEC_FRAME                   4002
#define IDS_AEC_ALWAYS                  4004  /* AEC mode 2 */
#define IDS_AEC_AUTO                    4005  /* AEC mode 1 */
#define IDS_AEC_NEVER                   4006  /* AEC mode 0 */
#define IDS_SOURCES_FRAME               4007  /* not in the English table */

/* Digital page: S/PDIF input */
#define IDS_SPDIF_IN_FRAME              4010
#define IDS_SPDIF_IN_ALWAYS_ON          4013  /* input mode 2 */
#define IDS_SPDIF_IN_AUTO_SENSE         4014  /* input mode 1 */
#define IDS_SPDIF_IN_OFF                4015  /* input mode 0 */
#define IDS_SPDIF_SAMPLE_RATE_FRAME     4016
#define IDS_SPDIF_COPYRIGHT_FRAME       4017
#define IDS_SPDIF_PREEMPHASIS_FRAME     4018
#define IDS_SPDIF_STATUS_ERROR          4019
#define IDS_SPDIF_STATUS_NO_INPUT       4020
#define IDS_SPDIF_STATUS_ACTIVE         4123
#define IDS_SPDIF_STATUS_NONE           4124  /* "---" */

/* Digital page: S/PDIF output */
#define IDS_SPDIF_OUT_FRAME             4021
#define IDS_SPDIF_OUT_DIGITAL_MIX       4022  /* output source 1; the page appends " / DVD" */
#define IDS_SPDIF_OUT_COPYRIGHT_BIT     4025
#define IDS_SPDIF_OUT_PREEMPHASIS       4026
#define IDS_SPDIF_OUT_DIRECT            4027  /* output source 2 */
#define IDS_SPDIF_OUT_OFF               4029  /* output source 0 */

/* EQ page */
#define IDS_EQ_FRAME                    4030
#define IDS_EQ_ENABLE                   4031
#define IDS_EQ_PRESETS_FRAME            4032

/* Preset buttons and question, shared by the EQ and 3D Settings pages */
#define IDS_PRESET_ADD                  4033
#define IDS_PRESET_SAVE                 4034
#define IDS_PRESET_DELETE               4035
#define IDS_PRESET_RESTORE              4110
#define IDS_CONFIRM_DELETE_PRESET       4120

/* MIDI page */
#define IDS_MIDI_FRAME                  4040
#define IDS_MIDI_VOICE_PROCESSING       4041
#define IDS_MIDI_CUSTOM_SET             4046
#define IDS_MIDI_DEFAULT_SET            4047
#define IDS_MIDI_MEMORY_RESIDENT        4048
#define IDS_MIDI_SAMPLE_SET_FRAME       4049
#define IDS_MIDI_VOICE_ALLOCATION       4050
#define IDS_MIDI_ALLOC_DYNAMIC          4051  /* method 0 */
#define IDS_MIDI_ALLOC_DLS              4052  /* method 1 */
#define IDS_MIDI_BROWSE                 4053
#define IDS_MIDI_VOICES_DISABLED        4106  /* first entry of both voice lists */
#define IDS_MIDI_SAMPLE_SET_FILTER      4108  /* file dialog filter, "|" separated */
#define IDS_MIDI_HW_VOICES              4132
#define IDS_MIDI_SW_VOICES              4133

/* 3D Settings page */
#define IDS_3D_AUDIO_FRAME              4054
#define IDS_3D_SENSAURA                 4056
#define IDS_3D_MACROFX                  4057
#define IDS_3D_STEREO_ENHANCEMENT       4059
#define IDS_SPEAKER_CONFIG_FRAME        4060
#define IDS_3D_STEREO_REVERB            4062
#define IDS_SPEAKERS_QUAD               4070  /* configuration code 3 */
#define IDS_SPEAKERS_SIX                4071  /* configuration code 6 */
#define IDS_SPEAKERS_STEREO             4080  /* configuration code 4 */
#define IDS_PHONES                      4090  /* configuration code 1, and the headphone mixer line */
#define IDS_RESTART_TO_APPLY            5015
#define IDS_CONFIRM_RESTART             5016
#define IDS_MODE_SPEAKER_TEST           5018
#define IDS_MODE_SOURCE_POSITIONING     5019

/* Misc page */
#define IDS_MISC_LOAD                   4100
#define IDS_MISC_SAVE                   4101
#define IDS_MISC_PRESETS_FRAME          4102
#define IDS_MISC_ABOUT_FRAME            4103
#define IDS_MISC_SHOW_TASKBAR_ICON      4105
#define IDS_ABOUT_FORMAT                4111  /* three %s: short name, program version, driver version */
#define IDS_MISC_GLOBAL_HOTKEYS         4135
#define IDS_MISC_COLOR_SETUP            5017
#define IDS_SAVE_FAILED                 5020  /* a settings file could not be saved */

/* Tab labels of the main sheet; the character after "&" is the page's access key */
#define IDS_PAGE_PLAYBACK               4125
#define IDS_PAGE_RECORD                 4126
#define IDS_PAGE_DIGITAL                4127
#define IDS_PAGE_EQ                     4128
#define IDS_PAGE_MIDI                   4129
#define IDS_PAGE_3D_SETTINGS            4130
#define IDS_PAGE_MISC                   4131
#define IDS_PAGE_SOURCES                4134

/* Display names given to mixer lines at start (at most 15 characters: they
   end up in the mixer's 16-character short names) */
#define IDS_LINE_FRONT                  5000
#define IDS_LINE_MASTER                 5001
#define IDS_LINE_REAR                   5002
#define IDS_LINE_WAVE                   5003
#define IDS_LINE_SYNTH                  5004
#define IDS_LINE_MIC                    5005
#define IDS_LINE_LINE                   5006
#define IDS_LINE_AUX                    5007
#define IDS_LINE_MIX                    5008
#define IDS_LINE_CD                     5014

/* Mixer control texts (also copied into 16-character short names) */
#define IDS_BOOST                       5012
#define IDS_MUTE                        5013

#endif /* HALVARD_RES_STRING_IDS_H */
