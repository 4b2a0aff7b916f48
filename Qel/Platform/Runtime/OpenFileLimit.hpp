#pragma once
// The process sampler keeps a few files open per process; the usual soft limit of 1024
// descriptors is too low for a busy machine, the hard limit is not.
namespace qel {

// Raises the soft open-file limit to the hard limit; false when it can't be changed.
bool raiseOpenFileLimit();

}  // namespace qel
