#pragma once

#include <pulse/pulseaudio.h>

// The part of libpulse the cue player calls. The library is loaded when the first player is made, after the first
// window is on the screen, rather than by the program's start: it brings a dozen libraries of its own (its common
// library, sndfile and the codecs behind it) that no picture of the first paint needs.
#define TOMELOR_PULSE_FUNCTIONS(F)                                                                                     \
    F(context_connect)                                                                                                 \
    F(context_disconnect)                                                                                              \
    F(context_errno)                                                                                                   \
    F(context_get_state)                                                                                               \
    F(context_new)                                                                                                     \
    F(context_rttime_new)                                                                                              \
    F(context_rttime_restart)                                                                                          \
    F(context_set_state_callback)                                                                                      \
    F(context_unref)                                                                                                   \
    F(operation_unref)                                                                                                 \
    F(proplist_free)                                                                                                   \
    F(proplist_new)                                                                                                    \
    F(proplist_sets)                                                                                                   \
    F(rtclock_now)                                                                                                     \
    F(stream_connect_playback)                                                                                         \
    F(stream_cork)                                                                                                     \
    F(stream_disconnect)                                                                                               \
    F(stream_flush)                                                                                                    \
    F(stream_get_state)                                                                                                \
    F(stream_get_timing_info)                                                                                          \
    F(stream_new_with_proplist)                                                                                        \
    F(stream_set_buffer_attr)                                                                                          \
    F(stream_set_state_callback)                                                                                       \
    F(stream_unref)                                                                                                    \
    F(stream_update_timing_info)                                                                                       \
    F(stream_write)                                                                                                    \
    F(strerror)                                                                                                        \
    F(threaded_mainloop_free)                                                                                          \
    F(threaded_mainloop_get_api)                                                                                       \
    F(threaded_mainloop_new)                                                                                           \
    F(threaded_mainloop_start)                                                                                         \
    F(threaded_mainloop_stop)

// libpulse's functions by their names without the "pa_" prefix.
struct PulseLibrary
{
    // The library, loaded the first time it is asked for; null where it or one of its functions is missing, and
    // then the reason is in `failure`.
    static const PulseLibrary *load(const char **failure);

#define TOMELOR_PULSE_MEMBER(name) decltype(&pa_##name) name = nullptr;
    TOMELOR_PULSE_FUNCTIONS(TOMELOR_PULSE_MEMBER)
#undef TOMELOR_PULSE_MEMBER
};
