#pragma once

// Control identifiers of both windows, shared with the resource script and the test driver.
#define IDI_APP 1
#define IDB_BROWSE 2

// frmBatch
#define IDC_TXTREPORT 101
#define IDC_CMDCLOSE 102
#define IDC_CMDCOPY 103
#define IDC_LBLREPORT 104

// frmFindFile
#define IDC_TXTINSTRUCTIONS 201
#define IDC_TXTLOOKUPPATH 202
#define IDC_CMDSELLOOKUP 203
#define IDC_CMDCANCEL 204
#define IDC_CMDOK 205
#define IDC_LBLINSTRUCTIONS 206
#define IDC_LBLLOOKUPPATH 207

// Window classes, so a driver can tell our windows from message boxes.
#define TARVIC_BATCH_CLASS L"TarvicKit.frmBatch"
#define TARVIC_FINDFILE_CLASS L"TarvicKit.frmFindFile"
