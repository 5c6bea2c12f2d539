-- Draws, tickets and sales control: the winning numbers of each draw, the
-- tickets sold at the sale points with their plays, and the blocked numbers.

-- The result of one lottery's draw on one date.
CREATE TABLE premiar (
  cod_lot           varchar(3) NOT NULL REFERENCES loterias,
  fechapremio       date       NOT NULL,
  horapremio        time(0),
  -- Winning numbers as typed: figures, and "*" in the first triple.
  pri_triple        varchar(3) CHECK (pri_triple ~ '^[0-9*]{1,3}$'),
  seg_triple        varchar(3) CHECK (seg_triple ~ '^[0-9]{1,3}$'),
  ter_triple        varchar(3) CHECK (ter_triple ~ '^[0-9]{1,3}$'),
  pri_terminal      varchar(2) CHECK (pri_terminal ~ '^[0-9*]{1,2}$'),
  seg_terminal      varchar(2) CHECK (seg_terminal ~ '^[0-9]{1,2}$'),
  ter_terminal      varchar(2) CHECK (ter_terminal ~ '^[0-9]{1,2}$'),
  prem_digito       varchar(1) CHECK (prem_digito ~ '^[0-9*]$'),
  -- The special play drawn with its detail, triple and terminal.
  triple_especial   varchar(3) CHECK (triple_especial ~ '^[0-9]{1,3}$'),
  terminal_especial varchar(2) CHECK (terminal_especial ~ '^[0-9]{1,2}$'),
  especial          varchar(3) REFERENCES jugadas,
  jugada            varchar(2),
  -- Pair values A, B and simple.
  premio_para       varchar(3),
  premio_parb       varchar(3),
  premio_simple     varchar(3),
  impresa           varchar(1) NOT NULL DEFAULT 'N' CHECK (impresa IN ('S', 'N')),
  -- "S" once the prizes of this lottery and date have been awarded.
  procesado         varchar(1) NOT NULL DEFAULT 'N' CHECK (procesado IN ('S', 'N')),
  PRIMARY KEY (cod_lot, fechapremio),
  FOREIGN KEY (especial, jugada) REFERENCES jugadeta,
  CHECK (jugada IS NULL OR especial IS NOT NULL)
);
CREATE INDEX premiar_fecha ON premiar (fechapremio);

-- One row per ticket sold at a sale point. A seller's ticket numbers never
-- repeat; the serial printed on the ticket is its verification code.
CREATE TABLE tickets (
  codvendedor  varchar(5)    NOT NULL REFERENCES vendedor,
  nroticket    varchar(20)   NOT NULL CHECK (btrim(nroticket) <> ''),
  serial       varchar(30)   NOT NULL,
  usuario      varchar(5)    NOT NULL,
  fechaticket  date          NOT NULL,
  horaticket   time(0)       NOT NULL,
  montoticket  numeric(18,3) NOT NULL CHECK (montoticket >= 0),
  -- The prize awarded; NULL while the ticket has none.
  montopremio  numeric(18,3) CHECK (montopremio >= 0),
  -- ACT active, ELI annulled; anulado repeats it as S/N.
  estadoticket varchar(3)    NOT NULL DEFAULT 'ACT' CHECK (estadoticket IN ('ACT', 'ELI')),
  anulado      varchar(1)    NOT NULL DEFAULT 'N' CHECK (anulado IN ('S', 'N')),
  premiado     varchar(1)    NOT NULL DEFAULT 'N' CHECK (premiado IN ('S', 'N')),
  pagado       varchar(1)    NOT NULL DEFAULT 'N' CHECK (pagado IN ('S', 'N')),
  -- When and by which head-office operator the prize was paid. The
  -- operator is kept as a plain code: paying history outlives operators.
  fechapago    timestamp(0),
  operadorpago varchar(5),
  PRIMARY KEY (codvendedor, nroticket),
  -- The plays repeat the sale date; this key lets them point at it.
  UNIQUE (codvendedor, nroticket, fechaticket),
  FOREIGN KEY (codvendedor, usuario) REFERENCES usuarios,
  CHECK ((estadoticket = 'ELI') = (anulado = 'S')),
  CHECK (premiado = CASE WHEN montopremio > 0 THEN 'S' ELSE 'N' END),
  CHECK (pagado = 'N' OR (premiado = 'S' AND anulado = 'N' AND fechapago IS NOT NULL
                          AND operadorpago IS NOT NULL))
);
CREATE INDEX tickets_fecha ON tickets (fechaticket, codvendedor);

-- The plays of a ticket. tipo_jugada "1" is a normal play, "2" a special
-- play (with its special play and detail). The kind follows from the
-- number's length: 3 figures a triple, 2 a terminal, 1 the digit.
CREATE TABLE jugadasticket (
  codvendedor varchar(5)    NOT NULL,
  nroticket   varchar(20)   NOT NULL,
  linea       smallint      NOT NULL CHECK (linea > 0),
  fechaticket date          NOT NULL,
  cod_lot     varchar(3)    NOT NULL REFERENCES loterias,
  tipo_jugada varchar(1)    NOT NULL CHECK (tipo_jugada IN ('1', '2')),
  numero      varchar(3)    NOT NULL CHECK (numero ~ '^[0-9]{1,3}$'),
  monto       numeric(18,3) NOT NULL CHECK (monto > 0),
  especial    varchar(3),
  jugada      varchar(2),
  -- The prize this play won (0 until the draw is processed, or if none).
  premio      numeric(18,3) NOT NULL DEFAULT 0 CHECK (premio >= 0),
  PRIMARY KEY (codvendedor, nroticket, linea),
  FOREIGN KEY (codvendedor, nroticket, fechaticket)
    REFERENCES tickets (codvendedor, nroticket, fechaticket) ON DELETE CASCADE,
  FOREIGN KEY (especial, jugada) REFERENCES jugadeta,
  CHECK (CASE tipo_jugada WHEN '1' THEN especial IS NULL AND jugada IS NULL
                          ELSE especial IS NOT NULL AND jugada IS NOT NULL END)
);
-- Draw processing, the live monitor and the lists work per lottery and
-- date, often per number.
CREATE INDEX jugadasticket_sorteo ON jugadasticket (cod_lot, fechaticket, numero);
CREATE INDEX jugadasticket_especial ON jugadasticket (especial, jugada) WHERE especial IS NOT NULL;

-- Blocked or amount-limited numbers, one row per lottery. An empty special
-- play blocks the normal play; jugada "*" blocks every detail.
CREATE TABLE bloqueos (
  cod_lot     varchar(3)    NOT NULL REFERENCES loterias ON DELETE CASCADE,
  numero_bloq varchar(4)    NOT NULL CHECK (numero_bloq ~ '^[0-9S]{1,4}$'),
  monto_bloq  numeric(18,3) NOT NULL DEFAULT 0 CHECK (monto_bloq >= 0),
  especial    varchar(3)    NOT NULL DEFAULT '',
  jugada      varchar(2)    NOT NULL DEFAULT '',
  modonumero  varchar(1)    NOT NULL DEFAULT '0',
  PRIMARY KEY (cod_lot, numero_bloq, especial, jugada)
);
