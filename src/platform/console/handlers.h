#pragma once
// One handler per statement, grouped by the console's tables: environment and
// forms, properties and methods, input, property pages, queries. Commands
// return nothing; queries return what they print (an empty label stands for
// the statement as written). Runtime errors travel as com::Error, the
// console's own as ConsoleError.

#include "platform/console/command.h"
#include "platform/console/session.h"

namespace kelvo::console {

// Environment and forms.
Outcome Run(Session& s, const cmd::Dpi& c);
Outcome Run(Session& s, const cmd::Decimal& c);
Outcome Run(Session& s, const cmd::NewForm& c);
Outcome Run(Session& s, const cmd::NewChild& c);
Outcome Run(Session& s, const cmd::Use& c);
Outcome Run(Session& s, const cmd::Load& c);
Outcome Run(Session& s, const cmd::Save& c);
Outcome Run(Session& s, const cmd::Place& c);
Outcome Run(Session& s, const cmd::Remove& c);

// Properties, methods, events.
Outcome Run(Session& s, const cmd::Let& c);
Outcome Run(Session& s, const cmd::SetFont& c);
Outcome Run(Session& s, const cmd::SetPicture& c);
Outcome Run(Session& s, const cmd::SetNothing& c);
Outcome Run(Session& s, const cmd::Call& c);
Outcome Run(Session& s, const cmd::On& c);
Outcome Run(Session& s, const cmd::Off& c);

// Input.
Outcome Run(Session& s, const cmd::Focus& c);
Outcome Run(Session& s, const cmd::KeyUpDown& c);
Outcome Run(Session& s, const cmd::KeyPress& c);
Outcome Run(Session& s, const cmd::Type& c);
Outcome Run(Session& s, const cmd::Keystroke& c);
Outcome Run(Session& s, const cmd::Mouse& c);
Outcome Run(Session& s, const cmd::Click& c);
Outcome Run(Session& s, const cmd::AccessKey& c);
Outcome Run(Session& s, const cmd::Cursor& c);
Outcome Run(Session& s, const cmd::Activate& c);
Outcome Run(Session& s, const cmd::Tick& c);
Outcome Run(Session& s, const cmd::SetClipboard& c);
Outcome Run(Session& s, const cmd::MenuAnswer& c);
Outcome Run(Session& s, const cmd::MsgBoxAnswer& c);
Outcome Run(Session& s, const cmd::Snapshot& c);

// Property pages.
Outcome Run(Session& s, const cmd::PageOpen& c);
Outcome Run(Session& s, const cmd::PageLet& c);
Outcome Run(Session& s, const cmd::PageClick& c);
Outcome Run(Session& s, const cmd::PageApply& c);
Outcome Run(Session& s, const cmd::PageField& c);
std::string PageChanged(Session& s);
Outcome Run(Session& s, const cmd::DesignPlace& c);
Outcome Run(Session& s, const cmd::DesignSheet& c);
Outcome Run(Session& s, const cmd::DesignTab& c);
Outcome Run(Session& s, const cmd::DesignButton& c);
Outcome Run(Session& s, const cmd::DesignClose& c);
std::string DesignValue(Session& s, cmd::Simple::Kind kind);

// Queries.
Outcome Run(Session& s, const cmd::Get& c);
Outcome Run(Session& s, const cmd::Simple& c);
Outcome Run(Session& s, const cmd::OfControl& c);
Outcome Run(Session& s, const cmd::Pixel& c);

}  // namespace kelvo::console
