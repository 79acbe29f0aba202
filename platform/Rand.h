// The program's own pseudo-random generator: the state x becomes x * 214013 + 2531011 modulo 2^32
// and rand() returns bits 16 to 30 of the new state (0 to 32767). Each thread has its own state,
// starting at 1, so every view's thread draws its own sequence.
#pragma once

#include <cstdint>

namespace dulm {

namespace rand_detail {
// The calling thread's state; constant-initialised, so reading it costs no initialisation check.
extern constinit thread_local std::uint32_t t_state;

inline std::uint32_t Step(std::uint32_t x) { return x * 214013u + 2531011u; }
inline int ValueOf(std::uint32_t x) { return static_cast<int>((x >> 16) & 0x7FFF); }
}  // namespace rand_detail

inline void srand(unsigned seed) { rand_detail::t_state = seed; }

inline int rand() {
    rand_detail::t_state = rand_detail::Step(rand_detail::t_state);
    return rand_detail::ValueOf(rand_detail::t_state);
}

// Draws the thread's sequence with the state held in a local: it reads the state when made and
// writes it back when destroyed, so that a long run of values costs no thread-local access per
// value. rand() and srand() must not be called on this thread while one is alive.
class RandRun {
public:
    RandRun() : m_x(rand_detail::t_state) {}
    ~RandRun() { rand_detail::t_state = m_x; }
    RandRun(const RandRun&) = delete;
    RandRun& operator=(const RandRun&) = delete;

    // The same value rand() would return.
    int Next() {
        m_x = rand_detail::Step(m_x);
        return rand_detail::ValueOf(m_x);
    }

private:
    std::uint32_t m_x;
};

}  // namespace dulm
