#include "app/play/CommandQueue.h"

CommandQueue::CommandQueue(std::function<void(Task)> toEngine, std::function<void(Task)> toUi)
    : toEngine_(std::move(toEngine)), toUi_(std::move(toUi)) {}

void CommandQueue::Post(Task operation) {
    if (closed_) return;
    if (asking_) {
        held_.push_back({std::move(operation), {}});
    } else {
        toEngine_(std::move(operation));
    }
}

void CommandQueue::Carry(SetupCommand command) {
    if (closed_) return;
    if (inModal_ && command.whileModal) {
        command.run();
    } else if (asking_) {
        held_.push_back({{}, std::move(command)});
    } else {
        Ask(std::move(command));
    }
}

void CommandQueue::Ask(SetupCommand command) {
    asking_ = true;
    asked_ = std::move(command);
    toEngine_(
        [this, allowed = asked_.allowed] { toUi_([this, yes = allowed()] { Answer(yes); }); });
}

void CommandQueue::Answer(bool allowed) {
    if (closed_) return;
    SetupCommand command = std::move(asked_);
    if (allowed) {
        if (command.modal) {
            std::deque<Held> taken;
            taken.swap(held_);
            for (Held& next : taken) {
                if (!next.operation && next.setup.whileModal) next.setup.run();
                if (closed_) return;
            }
            inModal_ = true;
        }
        command.run(); // a dialog runs its own event loop: what comes meanwhile is held
        if (closed_) return;
        inModal_ = false;
    }
    asking_ = false;
    while (!held_.empty() && !asking_) {
        Held next = std::move(held_.front());
        held_.pop_front();
        if (next.operation) {
            toEngine_(std::move(next.operation));
        } else {
            Ask(std::move(next.setup));
        }
    }
}

void CommandQueue::Close() {
    closed_ = true;
    held_.clear();
}
