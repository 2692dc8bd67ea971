#pragma once

// A window of the program (a form): loaded once, reused, unloaded in a fixed order at exit.
class Form {
public:
    // Unload modes: the user's close command, or the program's own unload.
    static constexpr int vbFormControlMenu = 0;
    static constexpr int vbFormCode = 1;

    virtual ~Form() = default;
    virtual void Form_Load() {}
    // Returns true to cancel the unload.
    virtual bool Form_QueryUnload(int /*unloadMode*/) { return false; }
    virtual void Form_Unload() {}
};
