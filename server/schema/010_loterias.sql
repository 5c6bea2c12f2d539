-- Lotteries and plays: the beneficence boards and draw operators behind each
-- lottery, the lotteries with their sale parameters, days and closing hours,
-- the special plays with their details, and each lottery's special-play
-- parameters.
--
-- Conventions of every table of the house database:
--   * codes are varchar of the width the windows send; a code is never blank;
--   * "S"/"N" flags are varchar(1) with a CHECK;
--   * sale parameters (minimums, limits, commissions %, prize factors) are
--     numeric(9,3), money amounts numeric(18,3);
--   * dates are date, times of day are time (0 fractional digits).

-- Beneficence boards ("juntas de beneficencia"): read-only catalogue.
CREATE TABLE juntas (
  codigo_junta      varchar(3)  PRIMARY KEY CHECK (btrim(codigo_junta) <> ''),
  descripcion_junta varchar(50) NOT NULL,
  -- % the board takes from the sales of its lotteries (fiscal report).
  tasa_junta        numeric(9,3) NOT NULL DEFAULT 0 CHECK (tasa_junta >= 0)
);

-- Draw operators: read-only catalogue. The operator's tax rate is kept on
-- each lottery (loterias.impuesto).
CREATE TABLE operadoras (
  codigo_operadora      varchar(3)  PRIMARY KEY CHECK (btrim(codigo_operadora) <> ''),
  descripcion_operadora varchar(50) NOT NULL
);

CREATE TABLE loterias (
  -- Exactly three characters: windows cut lottery codes out of item texts
  -- and code lists three characters at a time.
  cod_lot        varchar(3)  PRIMARY KEY CHECK (char_length(cod_lot) = 3 AND btrim(cod_lot) <> ''),
  desc_lot       varchar(25) NOT NULL,
  -- Digit play.
  montom_digito  numeric(9,3) NOT NULL DEFAULT 0,
  lim_digito     numeric(9,3) NOT NULL DEFAULT 0,
  comi_digito    numeric(9,3) NOT NULL DEFAULT 0,
  premio_digito  numeric(9,3) NOT NULL DEFAULT 0,
  -- Pair play (hidden in the windows, kept all the same).
  lim_numa       numeric(9,3) NOT NULL DEFAULT 0,
  lim_numb       numeric(9,3) NOT NULL DEFAULT 0,
  montom_par     numeric(9,3) NOT NULL DEFAULT 0,
  comispar       numeric(9,3) NOT NULL DEFAULT 0,
  premiopar      numeric(9,3) NOT NULL DEFAULT 0,
  sencillo_par   numeric(9,3) NOT NULL DEFAULT 0,
  -- Normal play: triples (3 figures) and terminales (last 2 figures).
  minimo_tri     numeric(9,3) NOT NULL DEFAULT 0,
  minimo_ter     numeric(9,3) NOT NULL DEFAULT 0,
  lim_tri        numeric(9,3) NOT NULL DEFAULT 0,
  lim_ter        numeric(9,3) NOT NULL DEFAULT 0,
  comi_tri       numeric(9,3) NOT NULL DEFAULT 0,
  comi_ter       numeric(9,3) NOT NULL DEFAULT 0,
  p_tri_1        numeric(9,3) NOT NULL DEFAULT 0,
  p_tri_2        numeric(9,3) NOT NULL DEFAULT 0,
  p_tri_3        numeric(9,3) NOT NULL DEFAULT 0,
  p_ter_1        numeric(18,3) NOT NULL DEFAULT 0,
  p_ter_2        numeric(9,3) NOT NULL DEFAULT 0,
  p_ter_3        numeric(9,3) NOT NULL DEFAULT 0,
  -- Sold on Monday (1) … Sunday (7), and the closing hour of each day.
  dia_1 varchar(1) NOT NULL DEFAULT 'N' CHECK (dia_1 IN ('S', 'N')),
  dia_2 varchar(1) NOT NULL DEFAULT 'N' CHECK (dia_2 IN ('S', 'N')),
  dia_3 varchar(1) NOT NULL DEFAULT 'N' CHECK (dia_3 IN ('S', 'N')),
  dia_4 varchar(1) NOT NULL DEFAULT 'N' CHECK (dia_4 IN ('S', 'N')),
  dia_5 varchar(1) NOT NULL DEFAULT 'N' CHECK (dia_5 IN ('S', 'N')),
  dia_6 varchar(1) NOT NULL DEFAULT 'N' CHECK (dia_6 IN ('S', 'N')),
  dia_7 varchar(1) NOT NULL DEFAULT 'N' CHECK (dia_7 IN ('S', 'N')),
  hora_1 time(0),
  hora_2 time(0),
  hora_3 time(0),
  hora_4 time(0),
  hora_5 time(0),
  hora_6 time(0),
  hora_7 time(0),
  estado_act     varchar(1) NOT NULL DEFAULT 'A' CHECK (estado_act IN ('A', 'I')),
  cerrada        varchar(1) NOT NULL DEFAULT 'N' CHECK (cerrada IN ('S', 'N')),
  juegaespecial  varchar(1) NOT NULL DEFAULT 'N' CHECK (juegaespecial IN ('S', 'N')),
  juegapar       varchar(1) NOT NULL DEFAULT 'N' CHECK (juegapar IN ('S', 'N')),
  juegadigito    varchar(1) NOT NULL DEFAULT 'N' CHECK (juegadigito IN ('S', 'N')),
  jueganormal    varchar(1) NOT NULL DEFAULT 'S' CHECK (jueganormal IN ('S', 'N')),
  pagacomodin    varchar(1) NOT NULL DEFAULT 'N' CHECK (pagacomodin IN ('S', 'N')),
  montocomodin   numeric(9,3) NOT NULL DEFAULT 0,
  -- "% Imp. Operadora": the tax % of the lottery's draw operator.
  impuesto       numeric(9,3) NOT NULL DEFAULT 0,
  codigo_junta     varchar(3) REFERENCES juntas,
  codigo_operadora varchar(3) REFERENCES operadoras
);

-- Special plays ("jugadas especiales"), such as a triple with a zodiac sign.
-- Codes are typed with at most 2 characters; the column allows the 3 that
-- the procedures take.
CREATE TABLE jugadas (
  especial   varchar(3)  PRIMARY KEY CHECK (btrim(especial) <> ''),
  desc_espec varchar(25) NOT NULL
);

-- The details of a special play (the sign, the animal…). Sold special
-- plays name one detail each.
CREATE TABLE jugadeta (
  especial    varchar(3)  NOT NULL REFERENCES jugadas ON DELETE CASCADE,
  jugada      varchar(2)  NOT NULL CHECK (btrim(jugada) <> ''),
  desc_jugada varchar(20) NOT NULL,
  PRIMARY KEY (especial, jugada)
);

-- The sale parameters of a special play on one lottery.
CREATE TABLE lotespec (
  cod_lot    varchar(3) NOT NULL REFERENCES loterias ON DELETE CASCADE,
  especial   varchar(3) NOT NULL REFERENCES jugadas ON DELETE CASCADE,
  minimo_tri numeric(9,3) NOT NULL DEFAULT 0,
  minimo_ter numeric(9,3) NOT NULL DEFAULT 0,
  lim_tri    numeric(9,3) NOT NULL DEFAULT 0,
  lim_ter    numeric(9,3) NOT NULL DEFAULT 0,
  comi_tri   numeric(9,3) NOT NULL DEFAULT 0,
  comi_ter   numeric(9,3) NOT NULL DEFAULT 0,
  p_tri_1    numeric(9,3) NOT NULL DEFAULT 0,
  p_tri_2    numeric(9,3) NOT NULL DEFAULT 0,
  p_tri_3    numeric(9,3) NOT NULL DEFAULT 0,
  p_ter_1    numeric(9,3) NOT NULL DEFAULT 0,
  p_ter_2    numeric(9,3) NOT NULL DEFAULT 0,
  p_ter_3    numeric(9,3) NOT NULL DEFAULT 0,
  PRIMARY KEY (cod_lot, especial)
);
CREATE INDEX lotespec_especial ON lotespec (especial);
