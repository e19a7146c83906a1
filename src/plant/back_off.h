#pragma once

namespace vt {

// The wait before the next attempt to reach the broker: 1 s after the first failure, doubling
// up to 60 s; a connection that came up starts it over.
class BackOff {
  public:
    explicit BackOff(int firstMs = 1000, int maxMs = 60000) : m_first(firstMs), m_max(maxMs) {}

    // The wait before the next attempt; each call after a failure doubles the next one.
    int next() {
        const int wait = m_next;
        m_next = wait >= m_max / 2 ? m_max : wait * 2;
        return wait;
    }
    void reset() { m_next = m_first; }

  private:
    int m_first;
    int m_max;
    int m_next = m_first;
};

}  // namespace vt
