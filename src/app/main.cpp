// The one application object of the program.
#include "app/script_tool_app.h"

CScriptToolApp theApp;
