#include "app/MouseState.h"
#include "app/SharedState.h"

MouseState mouse;
SharedState shared;
