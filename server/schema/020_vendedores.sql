-- Sellers and where they are: regions, municipalities, the sellers with their
-- group chief and default sale parameters, their parameters per lottery and
-- per lottery and special play, their sale-point users and the terminal
-- serials assigned to them.

CREATE TABLE gobernacion (
  codigo_gobernacion  varchar(5)  PRIMARY KEY CHECK (btrim(codigo_gobernacion) <> ''),
  descri_gobernacion  varchar(50) NOT NULL,
  observa_gobernacion varchar(60)
);

-- A municipality is named by its code within its region.
CREATE TABLE alcaldia (
  codigo_alcaldia    varchar(5)  NOT NULL CHECK (btrim(codigo_alcaldia) <> ''),
  codigo_gobernacion varchar(5)  NOT NULL REFERENCES gobernacion,
  descri_alcaldia    varchar(50) NOT NULL,
  observa_alcaldia   varchar(50),
  -- % the municipality takes from the sales of its sellers (fiscal report).
  tasa_alcaldia      numeric(9,3) NOT NULL DEFAULT 0 CHECK (tasa_alcaldia >= 0),
  PRIMARY KEY (codigo_alcaldia, codigo_gobernacion)
);

-- The workstation settings of a sale point (the keys of its TAQUILLA.INI),
-- kept in the row of every sale-point user and of every seller. Declared
-- once here and copied into both tables.
CREATE TEMPORARY TABLE estaciontrabajo (
  diascaduca      integer NOT NULL DEFAULT 5 CHECK (diascaduca >= 0),
  margenizquierdo integer,
  filassalto      integer,
  tipoletra       varchar(1)  CHECK (tipoletra IN ('N', 'C')),
  puertoprinter   varchar(7),
  puertofax       varchar(4)  CHECK (puertofax IN ('COM1', 'COM2', 'COM3', 'COM4')),
  velocidadfax    varchar(6)  CHECK (velocidadfax IN ('300', '1200', '2400', '4800', '9600',
                                                      '19200', '38400', '57600', '115200')),
  codtel1         varchar(4),
  nrotel1         varchar(10),
  codtel2         varchar(4),
  nrotel2         varchar(10),
  letradisquete   varchar(1),
  modotrabajo     varchar(1)  CHECK (modotrabajo IN ('0', '1', '2')),
  bdonline        varchar(20),
  dirip_1         varchar(15),
  dirip_2         varchar(15),
  dirip_offline   varchar(15),
  bdoffline       varchar(20),
  nrocolumnas     integer,
  claveoffline    varchar(10)
);

CREATE TABLE vendedor (
  -- Exactly five characters: windows cut seller codes out of item texts and
  -- seller lists five characters at a time.
  codvendedor    varchar(5)   PRIMARY KEY CHECK (char_length(codvendedor) = 5 AND btrim(codvendedor) <> ''),
  nombre_vend    varchar(50)  NOT NULL,
  direccion_vend varchar(100),
  telefono_vend  varchar(50),
  email_vend     varchar(50),
  -- The seller's key for the query program; the seller editor shows it.
  clave_vend     varchar(10),
  -- 1 active, 2 inactive, 3 suspended.
  estado_vend    varchar(1)   NOT NULL DEFAULT '1' CHECK (estado_vend IN ('1', '2', '3')),
  -- 0 Punta y Cola, 1 Aproximaciones, 2 Seco, 3 Comodines.
  tipode_pago    varchar(1)   NOT NULL DEFAULT '0' CHECK (tipode_pago IN ('0', '1', '2', '3')),
  codigobanco    varchar(3),
  cuentabanco    varchar(25),
  -- The group chief; NULL for a chief or a seller of no group.
  perteneceal    varchar(5)   REFERENCES vendedor,
  correticks     integer      NOT NULL DEFAULT 0,
  comision_jefe  numeric(18,2) NOT NULL DEFAULT 0,
  impuesto       numeric(18,2) NOT NULL DEFAULT 0,
  codigo_alcaldia    varchar(5),
  codigo_gobernacion varchar(5) REFERENCES gobernacion,
  rif            varchar(20),
  nit            varchar(20),
  -- Default sale parameters.
  minimo_tri     numeric(9,3) NOT NULL DEFAULT 0,
  minimo_ter     numeric(9,3) NOT NULL DEFAULT 0,
  lim_tri        numeric(9,3) NOT NULL DEFAULT 0,
  lim_ter        numeric(9,3) NOT NULL DEFAULT 0,
  comi_tri       numeric(9,3) NOT NULL DEFAULT 0,
  comi_ter       numeric(9,3) NOT NULL DEFAULT 0,
  p_tri_1        numeric(9,3) NOT NULL DEFAULT 0,
  p_tri_2        numeric(9,3) NOT NULL DEFAULT 0,
  p_tri_3        numeric(9,3) NOT NULL DEFAULT 0,
  p_ter_1        numeric(9,3) NOT NULL DEFAULT 0,
  p_ter_2        numeric(9,3) NOT NULL DEFAULT 0,
  p_ter_3        numeric(9,3) NOT NULL DEFAULT 0,
  montom_digito  numeric(9,3) NOT NULL DEFAULT 0,
  lim_digito     numeric(9,3) NOT NULL DEFAULT 0,
  comi_digito    numeric(9,3) NOT NULL DEFAULT 0,
  premio_digito  numeric(9,3) NOT NULL DEFAULT 0,
  lim_numa       numeric(9,3) NOT NULL DEFAULT 0,
  lim_numb       numeric(9,3) NOT NULL DEFAULT 0,
  montom_par     numeric(9,3) NOT NULL DEFAULT 0,
  comispar       numeric(9,3) NOT NULL DEFAULT 0,
  premiopar      numeric(9,3) NOT NULL DEFAULT 0,
  sencillo_par   numeric(9,3) NOT NULL DEFAULT 0,
  pagacomodin    varchar(1)   NOT NULL DEFAULT 'N' CHECK (pagacomodin IN ('S', 'N')),
  montocomodin   numeric(9,3) NOT NULL DEFAULT 0,
  -- Query-program permissions: two-character codes each followed by "-".
  permisovendedor varchar(200) NOT NULL DEFAULT '',
  -- Minutes a sale point of this seller may annul a ticket.
  tiempoanular   integer,
  LIKE estaciontrabajo INCLUDING DEFAULTS INCLUDING CONSTRAINTS,
  CHECK (puertoprinter IN ('LPT1', 'LPT2', 'LPT3', 'LPT4', 'WINDOWS')),
  FOREIGN KEY (codigo_alcaldia, codigo_gobernacion) REFERENCES alcaldia
);
CREATE INDEX vendedor_perteneceal ON vendedor (perteneceal);
CREATE INDEX vendedor_alcaldia ON vendedor (codigo_alcaldia, codigo_gobernacion);

-- A seller's sale parameters for one lottery.
CREATE TABLE ven_lot (
  codvendedor    varchar(5) NOT NULL REFERENCES vendedor ON DELETE CASCADE,
  cod_lot        varchar(3) NOT NULL REFERENCES loterias ON DELETE CASCADE,
  minimo_tri     numeric(9,3) NOT NULL DEFAULT 0,
  minimo_ter     numeric(9,3) NOT NULL DEFAULT 0,
  lim_tri        numeric(9,3) NOT NULL DEFAULT 0,
  lim_ter        numeric(9,3) NOT NULL DEFAULT 0,
  comi_tri       numeric(9,3) NOT NULL DEFAULT 0,
  comi_ter       numeric(9,3) NOT NULL DEFAULT 0,
  p_tri_1        numeric(9,3) NOT NULL DEFAULT 0,
  p_tri_2        numeric(9,3) NOT NULL DEFAULT 0,
  p_tri_3        numeric(9,3) NOT NULL DEFAULT 0,
  p_ter_1        numeric(9,3) NOT NULL DEFAULT 0,
  p_ter_2        numeric(9,3) NOT NULL DEFAULT 0,
  p_ter_3        numeric(9,3) NOT NULL DEFAULT 0,
  montom_digito  numeric(9,3) NOT NULL DEFAULT 0,
  lim_digito     numeric(9,3) NOT NULL DEFAULT 0,
  comi_digito    numeric(9,3) NOT NULL DEFAULT 0,
  premio_digito  numeric(9,3) NOT NULL DEFAULT 0,
  lim_numa       numeric(9,3) NOT NULL DEFAULT 0,
  lim_numb       numeric(9,3) NOT NULL DEFAULT 0,
  montom_par     numeric(9,3) NOT NULL DEFAULT 0,
  comispar       numeric(9,3) NOT NULL DEFAULT 0,
  premiopar      numeric(9,3) NOT NULL DEFAULT 0,
  sencillo_par   numeric(9,3) NOT NULL DEFAULT 0,
  pagacomodin    varchar(1)   NOT NULL DEFAULT 'N' CHECK (pagacomodin IN ('S', 'N')),
  montocomodin   numeric(9,3) NOT NULL DEFAULT 0,
  comision_jefe  numeric(18,2) NOT NULL DEFAULT 0,
  tipode_pago    varchar(1)   NOT NULL DEFAULT '0' CHECK (tipode_pago IN ('0', '1', '2', '3')),
  impuesto       numeric(18,2) NOT NULL DEFAULT 0,
  PRIMARY KEY (codvendedor, cod_lot)
);
CREATE INDEX ven_lot_cod_lot ON ven_lot (cod_lot);

-- A seller's sale parameters for one special play on one lottery.
CREATE TABLE vendespec (
  codvendedor   varchar(5) NOT NULL REFERENCES vendedor ON DELETE CASCADE,
  cod_lot       varchar(3) NOT NULL REFERENCES loterias ON DELETE CASCADE,
  especial      varchar(3) NOT NULL REFERENCES jugadas ON DELETE CASCADE,
  minimo_tri    numeric(9,3) NOT NULL DEFAULT 0,
  minimo_ter    numeric(9,3) NOT NULL DEFAULT 0,
  lim_tri       numeric(9,3) NOT NULL DEFAULT 0,
  lim_ter       numeric(9,3) NOT NULL DEFAULT 0,
  comi_tri      numeric(9,3) NOT NULL DEFAULT 0,
  comi_ter      numeric(9,3) NOT NULL DEFAULT 0,
  p_tri_1       numeric(9,3) NOT NULL DEFAULT 0,
  p_tri_2       numeric(9,3) NOT NULL DEFAULT 0,
  p_tri_3       numeric(9,3) NOT NULL DEFAULT 0,
  p_ter_1       numeric(9,3) NOT NULL DEFAULT 0,
  p_ter_2       numeric(9,3) NOT NULL DEFAULT 0,
  p_ter_3       numeric(9,3) NOT NULL DEFAULT 0,
  tipode_pago   varchar(1)   NOT NULL DEFAULT '0' CHECK (tipode_pago IN ('0', '1', '2', '3')),
  -- NULL: the seller's own chief commission applies.
  comision_jefe numeric(18,2),
  PRIMARY KEY (codvendedor, cod_lot, especial)
);
CREATE INDEX vendespec_lotespec ON vendespec (cod_lot, especial);
CREATE INDEX vendespec_especial ON vendespec (especial);

-- Sale-point users: the cashiers of a seller, who log in to the
-- point-of-sale program.
CREATE TABLE usuarios (
  codvendedor     varchar(5)   NOT NULL REFERENCES vendedor ON DELETE CASCADE,
  usuario         varchar(5)   NOT NULL CHECK (btrim(usuario) <> ''),
  nombre_usua     varchar(50)  NOT NULL,
  direccion_usua  varchar(100),
  telefono_usua   varchar(50),
  -- The user's key for the point-of-sale program; the users window shows it.
  clave_usua      varchar(10),
  email_usua      varchar(50),
  estado_usua     varchar(1)   NOT NULL DEFAULT '1' CHECK (estado_usua IN ('1', '2', '3')),
  -- Point-of-sale permissions: four-character codes run together.
  permisos        varchar(400) NOT NULL DEFAULT '',
  LIKE estaciontrabajo INCLUDING DEFAULTS INCLUDING CONSTRAINTS,
  CHECK (puertoprinter IN ('LPT1', 'LPT2', 'LPT3', 'LPT4', 'COM1', 'COM2', 'COM3', 'COM4')),
  PRIMARY KEY (codvendedor, usuario)
);

DROP TABLE estaciontrabajo;

-- Point-of-sale terminal serials. Rows come from outside the back office;
-- the back office assigns them to sellers and deletes them.
CREATE TABLE seriales (
  serial      varchar(20) PRIMARY KEY CHECK (btrim(serial) <> ''),
  -- NULL while the serial is assigned to nobody.
  codvendedor varchar(5)  REFERENCES vendedor ON DELETE SET NULL
);
CREATE INDEX seriales_codvendedor ON seriales (codvendedor);
