#pragma once

struct Emoji;

// What choosing an emoji in the picker does, wherever it is chosen: its
// symbol goes on the clipboard, it joins the recently used ones, and with
// Autopaste on (and where pasting is allowed) it is pasted into the window
// the user worked in.
class EmojiPicking {
public:
    enum class Outcome {
        copied, // the caller shows "Copied!"
        pasted,
    };

    virtual ~EmojiPicking() = default;
    virtual Outcome pick(const Emoji& emoji, bool mayPaste) = 0;
};
