"""Shortcut names of the five preset lists.

A shortcut is "/" followed by a name, and the program refuses to install a
configuration whose lists repeat a name, so every name here is unique within
common + one appearance list + family. Names are lower-case letters and
digits, at most MAX_LEN long: short enough to type, nothing for a text
expander to trip over.
"""

import re

MAX_LEN = 16

ZWJ = "\u200d"
VS16 = "\ufe0f"
FEMALE_SIGN = "\u2640" + VS16
MALE_SIGN = "\u2642" + VS16

PERSON = "\U0001F9D1"
WOMAN = "\U0001F469"
MAN = "\U0001F468"

# The family list only supplies names: at install time each of its phrases
# is replaced by the family emoji the user configured, so one line per name
# is all it can usefully hold. The placeholder is the generic family emoji.
FAMILY_PLACEHOLDER = "\U0001F46A"
FAMILY_NAMES = ["family"]

# Members of the multi-person family sequences, by the letter the program's
# family choices use for them.
FAMILY_MEMBERS = {
    "\U0001F468": "m",
    "\U0001F469": "w",
    "\U0001F467": "g",
    "\U0001F466": "b",
}

# Person / woman / man triples that no sequence rule finds: the woman and
# man forms are code points of their own.
EXTRA_TRIPLES = [
    ("\U0001F9D1", "\U0001F469", "\U0001F468"),  # person, woman, man
    ("\U0001F9D2", "\U0001F467", "\U0001F466"),  # child, girl, boy
    ("\U0001F9D3", "\U0001F475", "\U0001F474"),  # older person, old woman, old man
    ("\U0001FAC5", "\U0001F478", "\U0001F934"),  # person with crown, princess, prince
    ("\U0001F9D1\u200d\U0001F384", "\U0001F936", "\U0001F385"),  # mx claus, mrs. claus, santa claus
    ("\U0001FAC4", "\U0001F930", "\U0001FAC3"),  # pregnant person, woman, man
    ("\U0001F9D1\u200d\U0001F91D\u200d\U0001F9D1", "\U0001F46D", "\U0001F46C"),  # people / women / men holding hands
]

# There is no neutral dancer: the person list gets the man dancing.
DANCE = ("\U0001F57A", "\U0001F483", "\U0001F57A", "dance")  # person, female, male

# Names for emoji whose gemoji short names are all too long, taken, or read
# oddly. Keyed by the first gemoji short name; for a person / woman / man
# triple, by that of the person form, and the name is shared by all three.
OVERRIDES = {
    # Shared by person / woman / man: neutral names, no "person" in them.
    "bearded_person": "bearded",
    "person_red_hair": "redhair",
    "person_curly_hair": "curlyhair",
    "person_white_hair": "whitehair",
    "person_bald": "bald",
    "blond_haired_person": "blondhair",
    "frowning_person": "frown",
    "pouting_face": "pouting",
    "ok_person": "gestureok",
    "tipping_hand_person": "tippinghand",
    "deaf_person": "deaf",
    "construction_worker": "builder",
    "person_with_turban": "turban",
    "person_in_tuxedo": "tuxedo",
    "person_with_veil": "veil",
    "person_feeding_baby": "feedingbaby",
    "standing_person": "standing",
    "kneeling_person": "kneeling",
    "person_with_probing_cane": "whitecane",
    "person_in_motorized_wheelchair": "inpowerchair",
    "person_in_manual_wheelchair": "inwheelchair",
    "sauna_person": "sauna",
    "bouncing_ball_person": "bouncingball",
    "mountain_bicyclist": "mountainbiker",
    "handball_person": "handball",
    "juggling_person": "juggling",
    "person_with_crown": "royal",
    "mx_claus": "santa",
    "pregnant_person": "pregnant",
    "people_holding_hands": "holdinghands",

    # Smileys & Emotion
    "slightly_smiling_face": "slightlysmiling",
    "smiling_face_with_three_hearts": "smilinghearts",
    "kissing_closed_eyes": "kissclosedeyes",
    "kissing_smiling_eyes": "kisssmilingeyes",
    "smiling_face_with_tear": "smilingtear",
    "stuck_out_tongue_winking_eye": "tonguewinkingeye",
    "stuck_out_tongue_closed_eyes": "tongueclosedeyes",
    "face_with_open_eyes_and_hand_over_mouth": "gasp",
    "face_with_peeking_eye": "peekingeye",
    "face_with_thermometer": "thermometerface",
    "face_with_head_bandage": "headbandage",
    "face_with_spiral_eyes": "spiraleyes",
    "face_with_diagonal_mouth": "diagonalmouth",
    "slightly_frowning_face": "slightlyfrowning",
    "face_holding_back_tears": "holdingbacktears",
    "disappointed_relieved": "sadbutrelieved",
    "skull_and_crossbones": "skullcrossbones",
    "heavy_heart_exclamation": "heartexclamation",
    "hankey": "poop",

    # People & Body
    "raised_hand_with_fingers_splayed": "handsplayed",
    "leftwards_pushing_hand": "leftpushinghand",
    "rightwards_pushing_hand": "rightpushinghand",
    "hand_with_index_finger_and_thumb_crossed": "fingerheart",
    "index_pointing_at_the_viewer": "pointingatviewer",
    "ear_with_hearing_aid": "hearingaid",
    "v": "victory",
    "woman_with_headscarf": "headscarf",
    "man_with_gua_pi_mao": "skullcap",
    "business_suit_levitating": "levitating",
    "couplekiss_man_woman": "kisswomanman",
    "couplekiss_man_man": "kissmanman",
    "couplekiss_woman_woman": "kisswomanwoman",
    "couple_with_heart_woman_man": "couplewomanman",
    "couple_with_heart_man_man": "couplemanman",
    "couple_with_heart_woman_woman": "couplewomanwoman",
    "family": "familygeneric",
    "busts_in_silhouette": "bustssilhouette",

    # Food & Drink: "icecream" and "ice_cream" are different emoji.
    "icecream": "softicecream",

    # Travel & Places
    "globe_with_meridians": "globemeridians",
    "classical_building": "classicbuilding",
    "building_construction": "buildingsite",
    "european_post_office": "europostoffice",
    "sunrise_over_mountains": "mountainsunrise",
    "oncoming_police_car": "oncomingpolice",
    "oncoming_automobile": "oncomingcar",
    "motorized_wheelchair": "motorwheelchair",
    "vertical_traffic_light": "verticaltraffic",
    "suspension_railway": "suspensionrail",
    "artificial_satellite": "spacesatellite",
    "hourglass_flowing_sand": "hourglassflowing",
    "waxing_crescent_moon": "waxingcrescent",
    "waning_gibbous_moon": "waninggibbous",
    "waning_crescent_moon": "waningcrescent",
    "first_quarter_moon_with_face": "firstquarterface",
    "last_quarter_moon_with_face": "lastquarterface",
    "cloud_with_lightning_and_rain": "thunderstorm",
    "sun_behind_small_cloud": "sunsmallcloud",
    "sun_behind_large_cloud": "sunlargecloud",
    "sun_behind_rain_cloud": "sunraincloud",
    "cloud_with_lightning": "lightningcloud",

    # Activities
    "martial_arts_uniform": "martialarts",
    "fishing_pole_and_fish": "fishingpole",
    "running_shirt_with_sash": "runningshirt",
    "flower_playing_cards": "flowercards",

    # Objects
    "hocho": "knife",
    "rescue_worker_helmet": "rescuehelmet",
    "telephone_receiver": "receiver",
    "notebook_with_decorative_cover": "fancynotebook",
    "envelope_with_arrow": "envelopearrow",
    "mailbox_with_no_mail": "mailboxnomail",
    "card_index_dividers": "indexdividers",
    "chart_with_upwards_trend": "chartupwards",
    "chart_with_downwards_trend": "chartdownwards",
    "closed_lock_with_key": "lockwithkey",
    "identification_card": "idcard",

    # Symbols
    "put_litter_in_its_place": "litter",
    "leftwards_arrow_with_hook": "leftarrowhook",
    "arrows_counterclockwise": "counterclockwise",
    "twisted_rightwards_arrows": "shuffle",
    "play_or_pause_button": "playpause",
    "previous_track_button": "previoustrack",
    "transgender_symbol": "transgender",
    "heavy_multiplication_x": "multiplication",
    "heavy_division_sign": "division",
    "ballot_box_with_check": "checkbox",
    "negative_squared_cross_mark": "crossmarkbutton",
    "o": "hollowredcircle",
    "part_alternation_mark": "alternationmark",
    "eight_spoked_asterisk": "eightspoked",
    "eight_pointed_black_star": "eightpointedstar",
    "information_source": "information",
    "ideograph_advantage": "advantage",
    "black_medium_square": "blackmedsquare",
    "white_medium_square": "whitemedsquare",
    "black_medium_small_square": "blackmedsmallsq",
    "white_medium_small_square": "whitemedsmallsq",
    "large_orange_diamond": "lgorangediamond",
    "small_orange_diamond": "smorangediamond",
    "small_red_triangle_down": "redtriangledown",
    "diamond_shape_with_a_dot_inside": "diamondwithdot",
    "white_square_button": "whitesquarebtn",
    "black_square_button": "blacksquarebtn",

    # Flags
    "triangular_flag_on_post": "triangularflag",
    "united_arab_emirates": "uae",
    "bosnia_herzegovina": "bosnia",
    "caribbean_netherlands": "bonaire",
    "central_african_republic": "centralafrican",
    "dominican_republic": "dominicanrep",
    "south_georgia_south_sandwich_islands": "southgeorgia",
    "heard_mcdonald_islands": "heardmcdonald",
    "british_indian_ocean_territory": "chagosislands",
    "northern_mariana_islands": "northernmariana",
    "palestinian_territories": "palestine",
    "turks_caicos_islands": "turkscaicos",
    "french_southern_territories": "frenchsouthern",
    "us_outlying_islands": "usoutlying",
    "st_vincent_grenadines": "stvincent",
    "british_virgin_islands": "britishvirgin",
}


class NamingError(Exception):
    pass


_NAME_RE = re.compile(r"[a-z0-9]{1,%d}" % MAX_LEN)
_ALIAS_RE = re.compile(r"[a-z0-9][a-z0-9_-]*")


def is_valid_name(name):
    return bool(_NAME_RE.fullmatch(name))


def from_alias(alias):
    """The name an alias gives, or None: "+1" and "-1" give none, and "_"
    and "-" only separate words."""
    if not _ALIAS_RE.fullmatch(alias):
        return None
    name = alias.replace("_", "").replace("-", "")
    return name if is_valid_name(name) else None


def family_name(emoji):
    """"family" and the members' letters for a multi-person family sequence
    (the gemoji names of most of them are too long): "familymwg"."""
    parts = emoji.split(ZWJ)
    if len(parts) < 2 or any(p not in FAMILY_MEMBERS for p in parts):
        return None
    return "family" + "".join(FAMILY_MEMBERS[p] for p in parts)


def appearance_triples(catalogue):
    """(person, woman, man) forms, ordered by the first of them in the
    catalogue: gender-sign sequences with their neutral base, person-ZWJ
    sequences with their woman and man forms, and EXTRA_TRIPLES."""
    present = set(catalogue)
    found = {}
    for emoji in catalogue:
        if emoji.endswith(ZWJ + FEMALE_SIGN):
            base = emoji[: -len(ZWJ + FEMALE_SIGN)]
            if base in present and base + ZWJ + MALE_SIGN in present:
                found[base] = (base, emoji, base + ZWJ + MALE_SIGN)
        elif emoji.startswith(PERSON + ZWJ):
            rest = emoji[len(PERSON):]
            if WOMAN + rest in present and MAN + rest in present:
                found[emoji] = (emoji, WOMAN + rest, MAN + rest)
    for triple in EXTRA_TRIPLES:
        missing = [e for e in triple if e not in present]
        if missing:
            raise NamingError(f"triple {triple} not in the catalogue: {missing}")
        found[triple[0]] = triple
    position = {e: i for i, e in enumerate(catalogue)}
    return sorted(found.values(), key=lambda t: min(position[e] for e in t))


def build_lists(records):
    """The five lists as {list name: [(emoji, name), ...]}."""
    catalogue = [r["emoji"] for r in records]
    aliases = {r["emoji"]: r["aliases"] for r in records}
    position = {e: i for i, e in enumerate(catalogue)}

    taken = {}  # name -> what uses it, for error messages
    used_overrides = set()

    def take(name, owner):
        if not is_valid_name(name):
            raise NamingError(f"invalid name {name!r} for {owner}")
        if name in taken:
            raise NamingError(f"name {name!r} for {owner} is already used by {taken[name]}")
        taken[name] = owner

    def override(emoji):
        key = aliases[emoji][0]
        if key in OVERRIDES:
            used_overrides.add(key)
            return OVERRIDES[key]
        return None

    for name in FAMILY_NAMES:
        take(name, "the family list")
    if FAMILY_PLACEHOLDER not in position:
        raise NamingError("the family placeholder is not in the catalogue")

    # Names fixed in advance: the appearance lists, the overrides and the
    # family rule. The rest then take the first free gemoji name in
    # catalogue order.
    groups = []
    for triple in appearance_triples(catalogue):
        groups.append((triple, override(triple[0])))
    person, female, male, dance_name = DANCE
    groups.append(((person, female, male), dance_name))
    groups.sort(key=lambda g: min(position[e] for e in g[0]))

    in_appearance = {e for triple, _ in groups for e in triple}
    fixed = {}
    for emoji in catalogue:
        if emoji in in_appearance:
            continue
        name = family_name(emoji) or override(emoji)
        if name:
            fixed[emoji] = name
    for triple, name in groups:
        if name:
            take(name, triple[0])
    for emoji, name in fixed.items():
        take(name, emoji)

    def first_free(emoji):
        for alias in aliases[emoji]:
            name = from_alias(alias)
            if name and name not in taken:
                return name
        raise NamingError(f"no usable name for {emoji} {aliases[emoji]}: add an override")

    named_groups = []
    for triple, name in groups:
        if not name:
            name = first_free(triple[0])
            take(name, triple[0])
        named_groups.append((triple, name))

    common = []
    for emoji in catalogue:
        if emoji in in_appearance:
            continue
        name = fixed.get(emoji)
        if not name:
            name = first_free(emoji)
            take(name, emoji)
        common.append((emoji, name))

    unused = sorted(set(OVERRIDES) - used_overrides)
    if unused:
        raise NamingError(f"overrides that match no emoji: {unused}")

    return {
        "common": common,
        "person": [(t[0], n) for t, n in named_groups],
        "female": [(t[1], n) for t, n in named_groups],
        "male": [(t[2], n) for t, n in named_groups],
        "family": [(FAMILY_PLACEHOLDER, n) for n in FAMILY_NAMES],
    }
