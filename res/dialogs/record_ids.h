/* Control IDs of the Record page's dialog templates. */
#ifndef HALVARD_RES_RECORD_IDS_H
#define HALVARD_RES_RECORD_IDS_H

/* Column d (one per record source, at most six) has the source radio and the
   level fader of that number + d. */
#define IDC_RECORD_SOURCE_FIRST         1198
#define IDC_RECORD_FADER_FIRST          1204
#define IDC_RECORD_BOOST                1210
#define IDC_RECORD_AEC_AREA             1211
#define IDC_RECORD_AEC_FRAME            1212
#define IDC_RECORD_AEC_ALWAYS           1213
#define IDC_RECORD_AEC_AUTO             1214
#define IDC_RECORD_AEC_NEVER            1215
#define IDC_RECORD_FRAME                1216

#endif /* HALVARD_RES_RECORD_IDS_H */
