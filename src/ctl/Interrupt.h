#pragma once

namespace breezekit::ctl {

// SIGINT and SIGTERM set a flag and wake the event loop through a self-pipe, so that a command can
// finish its write group before it ends. Idempotent.
void installInterruptHandler();
bool interrupted();
// For tests: as if a signal had arrived, or cleared.
void setInterrupted(bool value);

} // namespace breezekit::ctl
