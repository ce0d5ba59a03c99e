#include "app/text_commands.h"

#include "app/window_texts.h"
#include "engine/deduplicate.h"

namespace varnel::app {

void TextCommands::Paste() {
    view_.SetSourceText(clipboard_.ReadText());
}

void TextCommands::Process() {
    view_.SetResultText(ProcessingText());
    const Text separator = ChosenSeparator(view_);
    const Text source = view_.SourceText();

    const engine::YieldHook pump = [this](const engine::RunProgress&) {
        view_.ProcessPendingMessages();
        // A closed window has nowhere to show the result: stop rather than finish for nothing.
        return view_.WindowClosed() ? engine::YieldAnswer::kStop : engine::YieldAnswer::kContinue;
    };
    engine::DeduplicateOptions options;
    options.yieldHook = &pump;
    options.yieldInterval = yieldInterval_;
    const std::optional<Text> result = engine::DeduplicateBlocks(source, separator, options);
    if (result && !view_.WindowClosed()) {
        view_.SetResultText(*result);
    }
}

void TextCommands::Copy() {
    // Nothing to tell the user when the clipboard is busy: the command simply has no effect.
    (void)clipboard_.WriteText(view_.ResultText());
}

} // namespace varnel::app
