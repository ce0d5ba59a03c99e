// The three commands on the two text boxes: "粘贴原文" puts the clipboard's text into 编辑框原文,
// "处理" deduplicates it into 编辑框结果 with the chosen separator, "复制结果" puts 编辑框结果 on
// the clipboard. They read and write the controls directly and report nothing.
#pragma once

#include <chrono>

#include "app/clipboard.h"
#include "app/main_view.h"

namespace varnel::app {

class TextCommands {
public:
    // `yieldInterval`: the longest stretch of engine work between two runs of the message pump.
    TextCommands(MainView& view, Clipboard& clipboard,
                 std::chrono::milliseconds yieldInterval = std::chrono::milliseconds(10))
        : view_(view), clipboard_(clipboard), yieldInterval_(yieldInterval) {}

    // The clipboard's text replaces the source box; an unavailable or textless clipboard
    // empties it.
    void Paste();

    // Shows "正在去重中.." in the result box, then deduplicates a copy of the source box with
    // "\r\n" (单选框换行符 selected) or a copy of the typed separator, pumping the window's
    // messages meanwhile, and puts the result into the result box. A click inside the pump
    // starts a nested run that finishes first; this run's result is then written last. When
    // the window is closed inside the pump the run stops at once and writes nothing.
    void Process();

    // Puts the result box's text on the clipboard, an empty text included; nothing happens when
    // the clipboard cannot be opened.
    void Copy();

private:
    MainView& view_;
    Clipboard& clipboard_;
    std::chrono::milliseconds yieldInterval_;
};

} // namespace varnel::app
