// Helpers shared by tests that start their own agents on loopback.
#pragma once

#include <QString>

#include <functional>

// A UDP port on 127.0.0.1 that was free a moment ago (bound, read back, released).
quint16 freeUdpPort();
// A fresh temporary directory under the system temp folder; removed when the test process
// exits normally (kept with KMV_KEEP_TEST_DIRS=1).
QString makeTempDir(const QString &prefix);
// Runs the event loop until pred holds or ms have passed, then once more; returns pred().
bool WaitUntil(const std::function<bool()> &pred, int ms = 8000);
// The same for windows: waits in QTest::qWait steps, which also delete what was deleted later.
bool WaitFor(const std::function<bool()> &done, int ms = 20000);
