// The RMON content a switch carries after it has run for a while: two history entries per linked
// port (30-second and 30-minute buckets) with the samples of the time already up, and a few lines
// in the event log. The statistics entries, the alarm and its two events are initial rows of the
// object tables.
#pragma once

#include "simstore.h"

#include <functional>

// How long the simulated switch has been up when the simulator starts, in hundredths of a second,
// so that the history entries already hold samples.
constexpr unsigned long kSimStartUptime = 2UL * 3600UL * 100UL;

// Creates the default history entries when the table has none, and gives every valid history entry
// that holds no samples those of the time already up (uptimeTicks). linked tells which ports carry a
// link; portScale how busy a port is.
void simSeedRmon(SimStore &store, unsigned long uptimeTicks, const std::function<bool(int)> &linked,
                 const std::function<double(int)> &portScale);
