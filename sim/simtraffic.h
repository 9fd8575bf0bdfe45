// The simulated ports' traffic profile: a few busy ports, one near saturation, idle ones and one
// whose errors keep growing, so that a traffic view has something to tell apart.
#pragma once

#include "simstore.h"

// Growth per second of an interface counter of a port (ifTable / ifXTable cell oid) by the profile,
// or a negative number when the profile leaves the counter to its definition's rate.
double simTrafficRate(const SimOid &oid);
// Share of the port's line rate in use (in + out), 0..1.
double simTrafficUtilisation(int port);
