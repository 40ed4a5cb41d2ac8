#include "engine/BoundMarker.h"

#include "platform/FileIo.h"
#include "platform/HostPath.h"

void LeaveBoundMarker(const char* name) {
    WriteFileAtomically(HostPath(name), std::string());
}
