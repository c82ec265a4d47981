#pragma once

namespace tesmira::test {

// This process's resident memory in kB, from /proc; -1 where it cannot be read.
long residentKilobytes();

}  // namespace tesmira::test
