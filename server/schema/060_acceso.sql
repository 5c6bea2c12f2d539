-- The head office itself: its operators, its parameters, the messages it
-- sends to the sale points and the sale points connected right now.

-- Head-office operators. The password is kept as typed: the operators
-- window lists it and the editor shows it for changing.
CREATE TABLE operador (
  operador        varchar(5)   PRIMARY KEY CHECK (btrim(operador) <> ''),
  nombreope       varchar(30)  NOT NULL,
  claveope        varchar(10)  NOT NULL,
  -- Main-menu permissions: two-character codes each followed by "-".
  permisooperador varchar(200) NOT NULL DEFAULT ''
);

-- The head-office parameters: a single row.
CREATE TABLE parametrosbanca (
  id           smallint     PRIMARY KEY DEFAULT 1 CHECK (id = 1),
  msgticket    varchar(200),
  -- Minutes a sale point may annul a ticket.
  tiempo_anula integer      CHECK (tiempo_anula >= 0),
  name_duroz   varchar(100),
  -- % national taxes on sales and on prizes.
  tasa_venta   numeric(9,3) NOT NULL DEFAULT 0 CHECK (tasa_venta >= 0),
  tasa_premio  numeric(9,3) NOT NULL DEFAULT 0 CHECK (tasa_premio >= 0),
  -- Minimum amount of a play.
  montom       numeric(9,3) NOT NULL DEFAULT 0 CHECK (montom >= 0)
);

-- Instant messages to the sale points: one row per addressed seller (a
-- message to all sellers is one row each), read by the point-of-sale program.
CREATE TABLE mensajes (
  idmensaje   bigint       GENERATED ALWAYS AS IDENTITY PRIMARY KEY,
  codvendedor varchar(5)   NOT NULL REFERENCES vendedor ON DELETE CASCADE,
  mensaje     varchar(300) NOT NULL,
  vend_envia  varchar(5)   NOT NULL,
  modo        varchar(1)   NOT NULL DEFAULT '0',
  fechahora   timestamp(0) NOT NULL,
  leido       varchar(1)   NOT NULL DEFAULT 'N' CHECK (leido IN ('S', 'N'))
);
CREATE INDEX mensajes_vendedor ON mensajes (codvendedor, leido);

-- The point-of-sale sessions open right now, one per sale-point user,
-- kept by the point-of-sale program (connections report).
CREATE TABLE conexionesactivas (
  codvendedor varchar(5)   NOT NULL,
  usuario     varchar(5)   NOT NULL,
  serial      varchar(20),
  direccionip varchar(15),
  inicio      timestamp(0) NOT NULL,
  PRIMARY KEY (codvendedor, usuario),
  FOREIGN KEY (codvendedor, usuario) REFERENCES usuarios ON DELETE CASCADE
);
