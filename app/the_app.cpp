// The one application object of the program.
#include "app/tuning_app.h"

CTuningApp theApp;
