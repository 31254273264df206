// The snapshot of every startup place in the registry, and the Save command.
#pragma once

#include "watchdog/save_command.h"
#include "watchdog/snapshot_store.h"
