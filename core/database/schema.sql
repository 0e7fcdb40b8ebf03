-- The tables of a configuration group's database, created when missing.
-- Stored databases rely on these names and types: add, never rename.
-- Each statement ends with ';' at the end of a line.

CREATE TABLE IF NOT EXISTS TypedStrings (id INTEGER PRIMARY KEY, type INTEGER NOT NULL,
    original TEXT NOT NULL);
CREATE TABLE IF NOT EXISTS TypedString_Translations (string_id INTEGER NOT NULL,
    language INTEGER NOT NULL, text TEXT NOT NULL);
CREATE TABLE IF NOT EXISTS Images (entity INTEGER NOT NULL, type TEXT NOT NULL, owner_id INTEGER NOT NULL,
    data BLOB, PRIMARY KEY (entity, type, owner_id));

-- Catalogue. A recipe's steps form a chain: each link names the step it follows (-1: first).
CREATE TABLE IF NOT EXISTS Recipes (id INTEGER PRIMARY KEY, name TEXT NOT NULL, has_cup INTEGER NOT NULL,
    has_stirrer INTEGER NOT NULL, drip_time_cs INTEGER NOT NULL, cup_type INTEGER NOT NULL,
    cup_turret INTEGER NOT NULL, hidden INTEGER NOT NULL, extra_text TEXT);
CREATE TABLE IF NOT EXISTS PreparationSteps (id INTEGER PRIMARY KEY, type INTEGER NOT NULL,
    description TEXT NOT NULL, water_type INTEGER NOT NULL, water_dose INTEGER NOT NULL,
    water_speed INTEGER NOT NULL, start_delay_cs INTEGER NOT NULL, mixer_speed INTEGER,
    absolute_mix_time INTEGER, pre_infusion_dose INTEGER, pre_infusion_time INTEGER,
    squeeze_enabled INTEGER, pressure_current INTEGER, extra_text TEXT);
CREATE TABLE IF NOT EXISTS Recipe_Steps (recipe_id INTEGER NOT NULL, step_id INTEGER NOT NULL,
    previous_step_id INTEGER NOT NULL, PRIMARY KEY (recipe_id, step_id));
CREATE TABLE IF NOT EXISTS Ingredients (id INTEGER PRIMARY KEY, step_id INTEGER NOT NULL,
    position INTEGER NOT NULL, type INTEGER NOT NULL, logical_canister_id INTEGER NOT NULL,
    product_id INTEGER NOT NULL, dose INTEGER NOT NULL, powder_speed INTEGER, powder_cycle INTEGER,
    powder_cycle_value INTEGER, extra_text TEXT);
CREATE TABLE IF NOT EXISTS Customizations (id INTEGER PRIMARY KEY, type INTEGER NOT NULL, name TEXT NOT NULL,
    default_index INTEGER NOT NULL, hundred_percent_index INTEGER NOT NULL, step_count INTEGER NOT NULL,
    cost_variation REAL NOT NULL, horizontal INTEGER NOT NULL, parameter_kind INTEGER NOT NULL,
    icon INTEGER NOT NULL, parameter_min INTEGER NOT NULL, parameter_max INTEGER NOT NULL,
    enabled INTEGER NOT NULL, available INTEGER NOT NULL, adjustment_required INTEGER NOT NULL,
    extra_text TEXT);
CREATE TABLE IF NOT EXISTS Recipe_Customizations (recipe_id INTEGER NOT NULL,
    customization_id INTEGER NOT NULL, position INTEGER NOT NULL,
    PRIMARY KEY (recipe_id, customization_id));
CREATE TABLE IF NOT EXISTS Adjustments (id INTEGER PRIMARY KEY, recipe_id INTEGER NOT NULL,
    customization_id INTEGER NOT NULL, type INTEGER NOT NULL, logical_canister_id INTEGER,
    step_type INTEGER, delta_min INTEGER, delta_max INTEGER, quantity INTEGER, extra_text TEXT);
CREATE TABLE IF NOT EXISTS Canisters (id INTEGER PRIMARY KEY, logical_canister_id INTEGER NOT NULL UNIQUE,
    name TEXT NOT NULL, product_name TEXT NOT NULL, type INTEGER NOT NULL, allergens TEXT NOT NULL,
    enabled INTEGER NOT NULL, calibration_min INTEGER NOT NULL, calibration_max INTEGER NOT NULL,
    empty_check_enabled INTEGER NOT NULL, level_sensor_enabled INTEGER NOT NULL,
    grams_empty_threshold INTEGER NOT NULL, weight_when_full INTEGER NOT NULL,
    current_level INTEGER NOT NULL);
CREATE TABLE IF NOT EXISTS General_Settings (configuration_id INTEGER PRIMARY KEY,
    global_allergens TEXT NOT NULL);
CREATE TABLE IF NOT EXISTS Categories (id INTEGER PRIMARY KEY, type INTEGER NOT NULL, title TEXT NOT NULL,
    grid_rows INTEGER NOT NULL, grid_columns INTEGER NOT NULL, displayed INTEGER NOT NULL,
    display_order INTEGER NOT NULL, image_source TEXT, image_hash TEXT, extra_text TEXT);
CREATE TABLE IF NOT EXISTS Category_Products (category_id INTEGER NOT NULL, position INTEGER NOT NULL,
    product_id INTEGER NOT NULL);
CREATE TABLE IF NOT EXISTS Category_Screen (configuration_id INTEGER PRIMARY KEY, enabled INTEGER NOT NULL,
    first_layout_value INTEGER NOT NULL, second_layout_value INTEGER NOT NULL);
CREATE TABLE IF NOT EXISTS Beverages (id INTEGER PRIMARY KEY, configuration_id INTEGER NOT NULL,
    recipe_id INTEGER);
-- Every product, beverages included: one id space. A beverage's recipe link is in Beverages.
CREATE TABLE IF NOT EXISTS Products (id INTEGER PRIMARY KEY, configuration_id INTEGER NOT NULL,
    type INTEGER NOT NULL, name TEXT NOT NULL, displayed INTEGER NOT NULL, enabled INTEGER NOT NULL,
    attributes INTEGER NOT NULL, item_number INTEGER NOT NULL, type_value INTEGER, playlist_id INTEGER,
    image TEXT, dispensing_image TEXT, image_hash TEXT, status_info TEXT, customizable INTEGER NOT NULL,
    blocking_failures TEXT, jug_enabled INTEGER, jug_default INTEGER, jug_min_cycles INTEGER,
    jug_max_cycles INTEGER, jug_default_cycles INTEGER, lid_id INTEGER, upselling_enabled INTEGER,
    extra_text TEXT);
-- What an upselling item (a product of type 6) adds: kind 0 plain, 1 syrup, 2 coffee to go.
CREATE TABLE IF NOT EXISTS Upselling_Items (id INTEGER PRIMARY KEY, kind INTEGER NOT NULL,
    upselling_type INTEGER NOT NULL, item_value INTEGER NOT NULL, active INTEGER NOT NULL,
    logical_canister_id INTEGER, syrup_value INTEGER, linked_product_id INTEGER, ctg_lid INTEGER);
CREATE TABLE IF NOT EXISTS Promotion_Products (promotion_id INTEGER NOT NULL, position INTEGER NOT NULL,
    product_id INTEGER NOT NULL);
CREATE TABLE IF NOT EXISTS Coffee_To_Go_Products (id INTEGER PRIMARY KEY, value INTEGER NOT NULL);
CREATE TABLE IF NOT EXISTS Beverage_Upsellings (beverage_id INTEGER NOT NULL, position INTEGER NOT NULL,
    item_id INTEGER NOT NULL);
-- A product's prices: a row per time band and payment type with a price or executive line (-1: none).
CREATE TABLE IF NOT EXISTS Product_Prices (product_id INTEGER NOT NULL, band INTEGER NOT NULL,
    payment_type INTEGER NOT NULL, price INTEGER NOT NULL, executive_line INTEGER NOT NULL,
    PRIMARY KEY (product_id, band, payment_type));
CREATE TABLE IF NOT EXISTS VideoPlaylists (id INTEGER PRIMARY KEY, name TEXT NOT NULL,
    typeFlags INTEGER NOT NULL DEFAULT 0, mode INTEGER NOT NULL DEFAULT 0, type INTEGER NOT NULL DEFAULT 0,
    amiclo_id TEXT NOT NULL DEFAULT '', random INTEGER NOT NULL DEFAULT 0,
    management_option INTEGER NOT NULL DEFAULT 0, extra_text TEXT);
-- Playlists' media items; a playlist lists them in position order, and an item may be listed by several.
CREATE TABLE IF NOT EXISTS Playlist_Media_Items (id INTEGER PRIMARY KEY, type INTEGER NOT NULL,
    source TEXT NOT NULL, name TEXT NOT NULL, time_in_sec INTEGER NOT NULL, extra_text TEXT);
CREATE TABLE IF NOT EXISTS VideoPlaylist_Medias (id INTEGER PRIMARY KEY, playlist_id INTEGER NOT NULL,
    position INTEGER NOT NULL, media_id INTEGER NOT NULL);
CREATE TABLE IF NOT EXISTS Product_Filters (id INTEGER PRIMARY KEY, position INTEGER NOT NULL,
    name TEXT NOT NULL, attribute_bit INTEGER NOT NULL, filter_number INTEGER NOT NULL,
    first_flag INTEGER NOT NULL, second_flag INTEGER NOT NULL);
-- Nutritional values of canisters (owner type 0, per gram) and snacks (1), and each owner's image
-- and allergen text (a canister keeps its allergens in its own row).
CREATE TABLE IF NOT EXISTS Nutritional_Values (id INTEGER PRIMARY KEY, owner_type INTEGER NOT NULL,
    owner_id INTEGER NOT NULL, position INTEGER NOT NULL, name TEXT NOT NULL, value REAL NOT NULL,
    unit TEXT NOT NULL);
CREATE TABLE IF NOT EXISTS Nutritional_Owners (owner_type INTEGER NOT NULL, owner_id INTEGER NOT NULL,
    image TEXT NOT NULL, allergens TEXT NOT NULL, PRIMARY KEY (owner_type, owner_id));

-- Every other area's saved settings: one row per "<area>/<setting>" key, the value as compact JSON.
CREATE TABLE IF NOT EXISTS Settings ("key" TEXT PRIMARY KEY, value TEXT NOT NULL);

-- The group's own details: one row, which updates change and never remove.
CREATE TABLE IF NOT EXISTS ConfigurationGroup_Infos (connectivity_id TEXT);
INSERT INTO ConfigurationGroup_Infos (connectivity_id)
    SELECT NULL WHERE NOT EXISTS (SELECT 1 FROM ConfigurationGroup_Infos);

-- The connectivity services' download logs and request journal. Unsigned 64-bit values are kept as
-- their two's complement; ids are never reused, since entries name each other by id.
CREATE TABLE IF NOT EXISTS Connectivity_File_Download (id INTEGER PRIMARY KEY AUTOINCREMENT, uuid TEXT,
    file_uuid TEXT, file_url TEXT, file_size INTEGER NOT NULL, file_type INTEGER NOT NULL,
    file_destination TEXT, status INTEGER NOT NULL, source INTEGER NOT NULL,
    consumed_credits INTEGER NOT NULL, credit_size INTEGER NOT NULL, start INTEGER NOT NULL,
    "end" INTEGER NOT NULL, chunk_size INTEGER NOT NULL, chunks_states BLOB);
CREATE TABLE IF NOT EXISTS Connectivity_Object_Download (id INTEGER PRIMARY KEY AUTOINCREMENT,
    status INTEGER NOT NULL, source INTEGER NOT NULL, object_uuid TEXT, object_type INTEGER NOT NULL,
    data BLOB, files BLOB);
CREATE TABLE IF NOT EXISTS Connectivity_Requests (id INTEGER PRIMARY KEY AUTOINCREMENT, delivery_id TEXT,
    status INTEGER NOT NULL, type TEXT);
