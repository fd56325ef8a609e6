/*
 * Resource IDs of the panel other than strings: its icon and the tray menu.
 * Plain #defines, for C++ sources and resource scripts alike.
 */
#ifndef HALVARD_RES_PANEL_IDS_H
#define HALVARD_RES_PANEL_IDS_H

/* The panel's icon: sheet, tray and program file (our own drawing, made by
   res/icons/make_panel_icon.cpp). */
#define IDI_PANEL                       130

/* The tray icon's menu: one popup with "Show" and "Exit". */
#define IDM_TRAY                        136
#define ID_TRAY_EXIT                    32772
#define ID_TRAY_SHOW                    32773

#endif /* HALVARD_RES_PANEL_IDS_H */
