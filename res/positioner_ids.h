/*
 * The positioner's context menu: one popup "Source" whose commands pick an item,
 * item i by the command kSourceCommandFirst + i.
 */
#ifndef HALVARD_RES_POSITIONER_IDS_H
#define HALVARD_RES_POSITIONER_IDS_H

#define IDM_POSITIONER_SOURCES          154
#define ID_SOURCE_FIRST                 32775  /* "2D" */
#define ID_SOURCE_ALL_MIDI              32792  /* "MIDI 1-16 ": item 17 */
#define ID_SOURCE_FX                    32793  /* item 18, after a separator */

#endif /* HALVARD_RES_POSITIONER_IDS_H */
