-- The seed database shipped with Corvastel (compiled into the program as db.sqlite).
-- Day, minute, id and order columns are integers; every other value is kept as the text the
-- service sent, so prices and percentages read back exactly as received.
-- Indexes serve the keys the writers delete and update by and the readers filter by. The purge
-- of old days scans instead: it runs once at start-up over small tables, and a day-only index
-- would tempt the planner away from the exact keys the writers use thousands of times a day.
-- The end-of-day tables have unique keys (an index day per exchange, one list row per company,
-- a quote per company and day), so that their writers store a row with one upsert on that key;
-- working files made before these keys existed get them at start-up (SchemaMigration.cpp).

CREATE TABLE setting (
    account_visible INTEGER,
    check_version   INTEGER,
    update_type     TEXT,
    dir_warning     INTEGER,
    day_store       INTEGER
);
-- Show the user's name, ask for a newer version at start-up, pull updates, warn on portfolio
-- prices, and keep 60 days of history so the 60-day results charts are full.
INSERT INTO setting VALUES (1, 1, 'PULL', 1, 60);

CREATE TABLE tb_user (username TEXT, password TEXT, session TEXT);

-- ---- market and company -------------------------------------------------------------------
CREATE TABLE stockInfo (
    stockId INTEGER, differ TEXT, percent TEXT, minute INTEGER, point TEXT,
    yesterdaypoint TEXT, value TEXT, quantity TEXT, day INTEGER
);
CREATE UNIQUE INDEX stockInfo_key ON stockInfo (day, stockId);

CREATE TABLE company (
    stockId INTEGER, day INTEGER, id INTEGER, code TEXT, name TEXT, visible INTEGER DEFAULT 1
);
CREATE UNIQUE INDEX company_key ON company (stockId, code);
CREATE INDEX company_code ON company (code);
CREATE INDEX company_id ON company (id);

CREATE TABLE companydata (
    stockId INTEGER, day INTEGER, minute INTEGER, updown TEXT, percent TEXT, id INTEGER,
    price TEXT, quantity TEXT, refer TEXT, open TEXT, close TEXT, bqBuy TEXT, bqSell TEXT,
    ceil TEXT, floor TEXT, buyResidue TEXT, sellResidue TEXT
);
CREATE UNIQUE INDEX companydata_key ON companydata (day, id);
CREATE INDEX companydata_id_day ON companydata (id, day);

CREATE TABLE companyrealtimedata (
    stockId INTEGER, day INTEGER, minute INTEGER, updown TEXT, percent TEXT, id INTEGER,
    price TEXT, quantity TEXT, refer TEXT, open TEXT, close TEXT, bqBuy TEXT, bqSell TEXT,
    ceil TEXT, floor TEXT, buyResidue TEXT, sellResidue TEXT
);
CREATE INDEX companyrealtimedata_id ON companyrealtimedata (id);

CREATE TABLE realtime (day INTEGER, data TEXT, [order] INTEGER);
CREATE INDEX realtime_order ON realtime ([order]);
CREATE INDEX realtime_day ON realtime (day, [order]);

CREATE TABLE realtime_company (id INTEGER, day INTEGER, minute INTEGER, point TEXT, quantity TEXT);
CREATE INDEX realtime_company_id ON realtime_company (id, minute);

-- ---- news, finance and prices ---------------------------------------------------------------
CREATE TABLE news (id INTEGER, day INTEGER, minute INTEGER, title TEXT, content TEXT);
CREATE INDEX news_id ON news (id, day, minute);

CREATE TABLE finance (
    id INTEGER, EPS TEXT, PE TEXT, BV TEXT, BP TEXT, layoutId INTEGER, price TEXT, differ TEXT,
    percent TEXT, day INTEGER
);
CREATE INDEX finance_id ON finance (id);

CREATE TABLE financedata (
    id INTEGER, quarter TEXT, year TEXT, TTS TEXT, VCSH TEXT, DTT TEXT, LNST TEXT, layoutId INTEGER
);
CREATE INDEX financedata_key ON financedata (id, quarter, year);

CREATE TABLE goods (id INTEGER PRIMARY KEY, name TEXT);
CREATE TABLE realtime_goods (id INTEGER, day INTEGER, minute INTEGER, price TEXT, updown TEXT, percent TEXT);
CREATE INDEX realtime_goods_id ON realtime_goods (id);

CREATE TABLE worldstock (id INTEGER PRIMARY KEY, name TEXT);
CREATE TABLE realtime_worldstock (id INTEGER, day INTEGER, minute INTEGER, point TEXT, updown TEXT, percent TEXT);
CREATE INDEX realtime_worldstock_id ON realtime_worldstock (id);

CREATE TABLE exchange (id INTEGER PRIMARY KEY, name TEXT);
CREATE TABLE realtime_exchange (id INTEGER, day INTEGER, minute INTEGER, price TEXT, buy TEXT, sell TEXT);
CREATE INDEX realtime_exchange_id ON realtime_exchange (id);

CREATE TABLE realtime_gold (id INTEGER, day INTEGER, data TEXT, [order] INTEGER);
CREATE INDEX realtime_gold_feed ON realtime_gold (id, day, [order]);

-- ---- portfolios and watch list --------------------------------------------------------------
CREATE TABLE portfolio (id INTEGER, day INTEGER, name TEXT);
CREATE INDEX portfolio_id ON portfolio (id);

CREATE TABLE portfoliodata (
    id INTEGER, portfoliodataId INTEGER, companyId INTEGER, price TEXT, quantity TEXT,
    up TEXT, down TEXT, percent TEXT
);
CREATE INDEX portfoliodata_holding ON portfoliodata (portfoliodataId, companyId);
CREATE INDEX portfoliodata_category ON portfoliodata (id);

CREATE TABLE watchlist (id INTEGER, code TEXT);
CREATE INDEX watchlist_key ON watchlist (id, code);

-- ---- name tables ----------------------------------------------------------------------------
INSERT INTO goods (id, name) VALUES
    (1, 'Dầu thô WTI'), (2, 'Dầu Brent'), (3, 'Khí thiên nhiên'), (4, 'Vàng'), (5, 'Bạc'),
    (6, 'Đồng'), (7, 'Bạch kim'), (8, 'Lúa mì'), (9, 'Ngô'), (10, 'Cà phê Robusta');

INSERT INTO worldstock (id, name) VALUES
    (1, 'Dow Jones'), (2, 'S&P 500'), (3, 'Nasdaq'), (4, 'FTSE 100'), (5, 'DAX'),
    (6, 'Nikkei 225'), (7, 'Hang Seng'), (8, 'Straits Times'), (9, 'S&P/ASX 200'), (10, 'Shanghai');

INSERT INTO exchange (id, name) VALUES
    (1, 'EUR/USD'), (2, 'USD/JPY'), (3, 'GBP/USD'), (4, 'USD/CHF'),
    (5, 'AUD/USD'), (6, 'USD/CAD'), (7, 'USD/CNY'), (8, 'USD/SGD'),
    (9, 'USD'), (10, 'EUR'), (11, 'JPY'), (12, 'GBP'),
    (13, 'AUD'), (14, 'CHF'), (15, 'CAD'), (16, 'SGD');
