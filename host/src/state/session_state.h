// What one host session holds: the drawing, the input, what acedInitGet
// and selections left behind, an open entity sequence, the host commands'
// state, armed test faults and so on. Each kind is one object, made on
// first use; resetSession() replaces every one made so far by a new one,
// so no piece of state can be left out of a reset.
//
// Not session state: the loaded modules and the commands they registered
// (code, loaded and unloaded explicitly), and where output goes (the
// caller that sets a sink restores it).
#pragma once

namespace zcad {

namespace detail {
void addSessionReset(void (*reset)());
}

// The session's object of type T. Each kind is reached through a function
// of its own folder, defined there, so there is one object per process.
template <class T>
T& sessionState() {
    static T state;
    static const bool registered = (detail::addSessionReset([] { state = T{}; }), true);
    (void)registered;
    return state;
}

void resetSession();

}  // namespace zcad
