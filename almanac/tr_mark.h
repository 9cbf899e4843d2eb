// Marks a name that carries meaning (a month, a stem, an animal, a feast, a prayer) as text to translate,
// without translating it: the almanac keeps the English key, the windows look it up in the translations of
// `context` where they show it. The translation tools read ALMADEX_NAME as they read Qt's own marker.
#pragma once

#define ALMADEX_NAME(context, text) text
