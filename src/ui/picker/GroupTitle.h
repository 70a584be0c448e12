#pragma once

#include "catalogue/EmojiGroupType.h"

// The group's title in the user's language, as the tabs, the section headers
// and assistive technology show it. The English title stays the group's id.
QString shownTitle(EmojiGroupType type);
