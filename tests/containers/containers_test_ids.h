/* Resource IDs of the containers' tests. */
#ifndef CONTAINERS_TEST_IDS_H
#define CONTAINERS_TEST_IDS_H

#define IDS_TEST_STATUS 9301
#define IDS_TEST_PLAIN 9302
#define IDM_TEST_TRAY 9136

#endif
