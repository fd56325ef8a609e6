/*
 * Dialog template IDs of the main sheet's pages. Each page's own control IDs are
 * in that page's header beside this one.
 */
#ifndef HALVARD_RES_DIALOG_IDS_H
#define HALVARD_RES_DIALOG_IDS_H

#define IDD_PAGE_3D_SETTINGS            102
#define IDD_PAGE_DIGITAL                103
#define IDD_PAGE_EQ                     104
#define IDD_PAGE_MIDI                   105
#define IDD_PAGE_MISC                   116
#define IDD_PAGE_RECORD_FIVE            117  /* a record destination with five sources */
#define IDD_PAGE_PLAYBACK               119  /* nine columns: cards that are not six-channel */
#define IDD_PAGE_PLAYBACK_SIX           120  /* six columns: six-channel cards */
#define IDD_PAGE_SOURCES                121
#define IDD_PAGE_RECORD                 123  /* any other number of record sources */

/* Every page has the same size, so the sheet does not jump between tabs. */
#define PAGE_WIDTH                      376
#define PAGE_HEIGHT                     200

#endif /* HALVARD_RES_DIALOG_IDS_H */
