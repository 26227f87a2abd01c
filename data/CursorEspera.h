#pragma once

// Shows the wait cursor for its lifetime (only where there is a GUI); the normal
// cursor comes back on every path out of the scope, exceptions included.
class CursorEspera {
public:
    CursorEspera();
    ~CursorEspera();
    CursorEspera(const CursorEspera&) = delete;
    CursorEspera& operator=(const CursorEspera&) = delete;

private:
    bool activo_ = false;
};
