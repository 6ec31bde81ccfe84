#pragma once

#include "util/Text.h"

#include <QString>

namespace marovane {

// A text of the plain layers in the player's language: its pattern through the installed
// catalogues, then its values, each translated in turn when it is a text itself. A value from a
// file or a peer is Latin-1 and shown as it stands; a scenario's name is UTF-8, as its file's.
QString Translated(const Text& text);

// A text that arrived in English from elsewhere (a host's message to show): its translation
// when one of the catalogues knows it word for word under the context, otherwise as it stands.
QString TranslatedIfKnown(const char* context, const std::string& english);

// A message another machine sent in English, in the player's language: a host's announcement
// (a win, a player out) is recognised with its values, a text of the rules without values is
// known word for word, and anything else is shown as it stands.
QString PeerTextShown(const std::string& english);

} // namespace marovane
