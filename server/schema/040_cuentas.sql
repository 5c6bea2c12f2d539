-- Seller money: bank accounts and petty-cash boxes, the money movements of
-- each seller, loans with their daily instalments, expenses, and the daily
-- line-up history.

-- A bank account or a petty-cash box of the house.
CREATE TABLE cuentas (
  codigo_cuenta varchar(5)  PRIMARY KEY CHECK (btrim(codigo_cuenta) <> ''),
  banco_cuenta  varchar(50) NOT NULL,
  nro_cuenta    varchar(60) NOT NULL
);

-- A money movement of a seller, identified by its document number. The type
-- is the first character of descri_mov, which keeps the whole item text:
--   0 Pago Vendedor a Duroz   1 Pago Duroz a Vendedor   2 Prestamo
--   3 Pago Couta Prestamo     4 Couta diaria Presamo    5 Pago Cuota Diaria
CREATE TABLE movimientos (
  nromov        varchar(10)   PRIMARY KEY CHECK (btrim(nromov) <> ''),
  descri_mov    varchar(40)   NOT NULL CHECK (descri_mov ~ '^[0-5]'),
  monto_mov     numeric(18,3) NOT NULL CHECK (monto_mov >= 0),
  fecha_mov     date          NOT NULL,
  hora_mov      time(0),
  codvendedor   varchar(5)    NOT NULL REFERENCES vendedor,
  observa_mov   varchar(200),
  codigo_cuenta varchar(5)    REFERENCES cuentas,
  -- 0 Efectivo, 1 Cheque, 2 Baucher.
  tipo_pago_mov varchar(2)    CHECK (tipo_pago_mov IN ('0', '1', '2')),
  UNIQUE (nromov, codvendedor)
);
CREATE INDEX movimientos_vendedor ON movimientos (codvendedor, fecha_mov);
CREATE INDEX movimientos_fecha ON movimientos (fecha_mov);
CREATE INDEX movimientos_cuenta ON movimientos (codigo_cuenta, fecha_mov);

-- A loan to a seller: it comes with its type-2 movement and carries the
-- daily instalment the line-up collects automatically (0 = none).
CREATE TABLE prestamos (
  nroprestamo    varchar(10)   PRIMARY KEY,
  codvendedor    varchar(5)    NOT NULL,
  fecha_prestamo date          NOT NULL,
  monto_prestamo numeric(18,3) NOT NULL CHECK (monto_prestamo > 0),
  cuota_diaria   numeric(18,3) NOT NULL DEFAULT 0 CHECK (cuota_diaria >= 0),
  -- "S" once the loan is paid off: no more instalments are collected.
  saldado        varchar(1)    NOT NULL DEFAULT 'N' CHECK (saldado IN ('S', 'N')),
  FOREIGN KEY (nroprestamo, codvendedor) REFERENCES movimientos (nromov, codvendedor)
    ON DELETE CASCADE ON UPDATE CASCADE
);
CREATE INDEX prestamos_vendedor ON prestamos (codvendedor);

-- The daily instalments collected on a loan, each booked as a type-5
-- movement. One per loan and date, so collecting a date twice is harmless.
CREATE TABLE cuotasdiarias (
  nroprestamo varchar(10)   NOT NULL REFERENCES prestamos ON DELETE CASCADE,
  fecha       date          NOT NULL,
  monto       numeric(18,3) NOT NULL CHECK (monto > 0),
  nromov      varchar(10)   NOT NULL UNIQUE REFERENCES movimientos ON DELETE CASCADE,
  PRIMARY KEY (nroprestamo, fecha)
);

-- A seller's expense, by document number.
CREATE TABLE gastosvendedor (
  codvendedor    varchar(5)    NOT NULL REFERENCES vendedor,
  nrogasto       varchar(10)   NOT NULL CHECK (btrim(nrogasto) <> ''),
  fecha_gasto    date          NOT NULL,
  descri_gasto   varchar(40)   NOT NULL,
  monto_gasto    numeric(18,3) NOT NULL CHECK (monto_gasto >= 0),
  observa_gasto  varchar(200),
  tipo_descuento varchar(1)    NOT NULL DEFAULT '0',
  PRIMARY KEY (codvendedor, nrogasto)
);
CREATE INDEX gastosvendedor_fecha ON gastosvendedor (fecha_gasto, codvendedor);

-- The line-up of a seller as computed for one date, kept for its history.
CREATE TABLE historicolineup (
  codvendedor   varchar(5)    NOT NULL REFERENCES vendedor,
  fecha         date          NOT NULL,
  -- The seller's last date with activity up to this one.
  ultimafecha   date,
  deuda         numeric(18,3) NOT NULL DEFAULT 0,
  cuenta        numeric(18,3) NOT NULL DEFAULT 0,
  movimiento    numeric(18,3) NOT NULL DEFAULT 0,
  deposito      numeric(18,3) NOT NULL DEFAULT 0,
  total         numeric(18,3) NOT NULL DEFAULT 0,
  saldoprestamo numeric(18,3) NOT NULL DEFAULT 0,
  saldogragral  numeric(18,3) NOT NULL DEFAULT 0,
  PRIMARY KEY (codvendedor, fecha),
  CHECK (saldogragral = total + saldoprestamo)
);
CREATE INDEX historicolineup_fecha ON historicolineup (fecha);
