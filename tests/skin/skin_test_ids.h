#pragma once
// Resource IDs of the skinned controls' tests.

#define IDD_ONE_OF_EACH 9501
#define IDC_PUSH 9511
#define IDC_DEFPUSH 9512
#define IDC_CHECK 9513
#define IDC_RADIO1 9514
#define IDC_RADIO2 9515
#define IDC_PUSHLIKE 9516
#define IDC_GROUP 9517
#define IDC_COMBO 9518
#define IDC_EDIT 9519
#define IDC_LIST 9520
#define IDC_SCROLL 9521
#define IDC_LABEL 9522
#define IDC_DISPLAY 9523
#define IDC_TAB 9524
#define IDC_NOTIFY 9525
#define IDC_STATUS 59393

#define IDB_PICTURE 9531
#define IDB_PICTURE_DOWN 9532
#define IDS_PUSH_STATUS 9511
