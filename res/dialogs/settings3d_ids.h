/* Control IDs of the 3D Settings page's dialog template, and its pictures. */
#ifndef HALVARD_RES_SETTINGS3D_IDS_H
#define HALVARD_RES_SETTINGS3D_IDS_H

#define IDC_3D_SPEAKER_FRAME            1006
#define IDC_3D_SPEAKER_FRONT_LEFT       1010
#define IDC_3D_SPEAKER_FRONT_RIGHT      1011
#define IDC_3D_SPEAKER_REAR_RIGHT       1012
#define IDC_3D_SPEAKER_REAR_LEFT        1013
#define IDC_3D_SPEAKER_CENTRE           1014
#define IDC_3D_SPEAKER_SUBWOOFER        1015
#define IDC_3D_TEST_ALL                 1016  /* stays hidden */
#define IDC_3D_AUDIO_FRAME              1020
#define IDC_3D_SENSAURA                 1021
#define IDC_3D_MACROFX                  1022
#define IDC_3D_REVERB                   1023
#define IDC_3D_MP3                      1024
#define IDC_3D_STEREO_ENHANCEMENT       1025
#define IDC_3D_SPLASH                   1026
#define IDC_3D_LISTENER                 1127
#define IDC_3D_RESTART                  1266
#define IDC_3D_POSITIONER               1291
#define IDC_3D_MODE_SPEAKER_TEST        1292
#define IDC_3D_MODE_POSITIONING         1293
#define IDC_3D_SPEAKER_CONFIG           1296
#define IDC_3D_SCHEME                   1297
#define IDC_3D_SCHEME_SAVE              1298
#define IDC_3D_SCHEME_ADD               1299
#define IDC_3D_SCHEME_RESTORE           1300
#define IDC_3D_SCHEME_DELETE            1301

/* Speaker buttons: silent and playing pictures. */
#define IDB_SPEAKER_REAR_LEFT           139
#define IDB_SPEAKER_REAR_RIGHT          140
#define IDB_SPEAKER_SUBWOOFER           141
#define IDB_SPEAKER_CENTRE              142
#define IDB_SPEAKER_FRONT_LEFT          143
#define IDB_SPEAKER_FRONT_RIGHT         144
#define IDB_SPEAKER_SUBWOOFER_ON        148
#define IDB_SPEAKER_FRONT_LEFT_ON       149
#define IDB_SPEAKER_FRONT_RIGHT_ON      150
#define IDB_SPEAKER_REAR_LEFT_ON        151
#define IDB_SPEAKER_REAR_RIGHT_ON       152
#define IDB_SPEAKER_CENTRE_ON           153
/* The positioner's items: 19 images of 24 pixels in one strip, magenta transparent. */
#define IDB_SOURCES                     146
#define IDB_SOURCES_WIDTH               24
/* The listener beside the mode buttons. */
#define IDB_LISTENER                    147

#endif /* HALVARD_RES_SETTINGS3D_IDS_H */
