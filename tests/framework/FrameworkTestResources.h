#pragma once

#define IDD_TEST_PAGE 902
#define IDD_TEST_DIALOG 903
#define IDC_TEST_EDIT 1001
