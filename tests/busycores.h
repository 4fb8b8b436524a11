#pragma once

#include <atomic>
#include <thread>

// Two threads that keep both cores of the machine busy for as long as they live.
class BusyCores
{
public:
    BusyCores()
    {
        for (auto &thread : m_threads)
            thread = std::thread([this] {
                volatile unsigned long spin = 0;
                while (!m_stop.load(std::memory_order_relaxed))
                    spin = spin + 1;
            });
    }
    ~BusyCores()
    {
        m_stop = true;
        for (auto &thread : m_threads)
            thread.join();
    }
    BusyCores(const BusyCores &) = delete;
    BusyCores &operator=(const BusyCores &) = delete;

private:
    std::atomic<bool> m_stop { false };
    std::thread m_threads[2];
};
