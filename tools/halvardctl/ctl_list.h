#pragma once
// "halvardctl list": every destination, line and control with its type, range and
// current values, and the card's settings, as a table or as JSON. The order is the
// card's own, so the output of a card in a given state never changes.

#include "driver/card_mixer.h"
#include "tools/halvardctl/ctl_card_settings.h"
#include "tools/halvardctl/ctl_lines.h"

#include <string>
#include <vector>

std::string CtlListTable(CCardMixer& card, const std::vector<CtlLine>& lines, CCtlCardSettings& settings);
std::string CtlListJson(CCardMixer& card, const std::vector<CtlLine>& lines, CCtlCardSettings& settings);
