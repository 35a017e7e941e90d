#pragma once

#define IDD_TEST_PAGE 902
#define IDC_TEST_EDIT 1001
