// Network graph of the loop, path and disturbance searches: the node adjacency
// matrix of the designed network, its spanning forest and the candidates found
// on it. The network object owns one and copies it with itself.
#pragma once

namespace vardo {

class CArbol {
 public:
  CArbol() = default;
  CArbol(const CArbol&) = default;
  CArbol& operator=(const CArbol&) = default;
};

}  // namespace vardo
