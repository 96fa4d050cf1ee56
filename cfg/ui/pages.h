// The dialog procedures of the six pages (see the contract in page_table.h).
#ifndef QLC_CFG_UI_PAGES_H
#define QLC_CFG_UI_PAGES_H

#include <windows.h>

INT_PTR CALLBACK GeneralPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK PreferencePageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK ClocksPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK PanelPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK PanelPowerPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK RegistersPageProc(HWND page, UINT message, WPARAM wParam, LPARAM lParam);

#endif
