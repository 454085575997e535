// Resource ids shared by every dialog template.
#pragma once

#define IDC_HELP_BUTTON 57670
