-- Taxes and daily results: the tax catalogue, the taxes assigned to each
-- seller, and the daily results of the sellers per lottery and play kind
-- with the taxes computed on them.

CREATE TABLE impuesto (
  codigo_impuesto     varchar(4)   PRIMARY KEY CHECK (btrim(codigo_impuesto) <> ''),
  descri_impuesto     varchar(30)  NOT NULL,
  observa_impuesto    varchar(60),
  -- The base as typed: "Ventas" (sales) or "Premiación" (prizes).
  aplica_impuesto     varchar(10),
  porcentaje_impuesto numeric(9,3) NOT NULL DEFAULT 0 CHECK (porcentaje_impuesto >= 0),
  muestramonitor      varchar(1)
);

-- A tax assigned to a seller with the seller's own percentage.
CREATE TABLE vend_imp (
  codvendedor         varchar(5)   NOT NULL REFERENCES vendedor ON DELETE CASCADE,
  codigo_impuesto     varchar(4)   NOT NULL REFERENCES impuesto,
  porcentaje_impuesto numeric(9,3) NOT NULL CHECK (porcentaje_impuesto > 0),
  muestramonitor      varchar(1),
  -- "Venta" taxes the sales; any other text ("Premio") the prizes.
  aplica_impuesto     varchar(10),
  PRIMARY KEY (codvendedor, codigo_impuesto)
);
CREATE INDEX vend_imp_impuesto ON vend_imp (codigo_impuesto);

-- One seller's result of one day for one lottery and play kind:
--   1 Triples, 2 Terminales, 3 Digito, 4 Trip. Especial, 5 Term. Especial.
-- The prize processing of a date writes the sales, commission and prizes;
-- the tax processing of the date adds the rates in force and the taxes.
-- The seller column is "vendedor": the fiscal monitor selects it by that name.
CREATE TABLE saldosdias (
  vendedor      varchar(5)    NOT NULL REFERENCES vendedor,
  fecha         date          NOT NULL,
  cod_lot       varchar(3)    NOT NULL REFERENCES loterias,
  tipo_jugada   varchar(1)    NOT NULL CHECK (tipo_jugada IN ('1', '2', '3', '4', '5')),
  total_venta   numeric(18,3) NOT NULL DEFAULT 0,
  comision      numeric(18,3) NOT NULL DEFAULT 0,
  premios       numeric(18,3) NOT NULL DEFAULT 0,
  subtotal      numeric(18,3) NOT NULL DEFAULT 0,
  -- Taxes of the row, filled by the tax processing ("S" once done).
  impuestos_procesados varchar(1) NOT NULL DEFAULT 'N' CHECK (impuestos_procesados IN ('S', 'N')),
  codigo_junta       varchar(3) REFERENCES juntas,
  tasa_junta         numeric(9,3)  NOT NULL DEFAULT 0,
  impuesto_junta     numeric(18,3) NOT NULL DEFAULT 0,
  codigo_operadora   varchar(3) REFERENCES operadoras,
  tasa_operadora     numeric(9,3)  NOT NULL DEFAULT 0,
  impuesto_operadora numeric(18,3) NOT NULL DEFAULT 0,
  codigo_alcaldia    varchar(5),
  codigo_gobernacion varchar(5),
  tasa_alcaldia      numeric(9,3)  NOT NULL DEFAULT 0,
  impuesto_alcaldia  numeric(18,3) NOT NULL DEFAULT 0,
  tasa_venta         numeric(9,3)  NOT NULL DEFAULT 0,
  impuesto_venta     numeric(18,3) NOT NULL DEFAULT 0,
  tasa_premio        numeric(9,3)  NOT NULL DEFAULT 0,
  impuesto_premio    numeric(18,3) NOT NULL DEFAULT 0,
  PRIMARY KEY (vendedor, fecha, cod_lot, tipo_jugada),
  FOREIGN KEY (codigo_alcaldia, codigo_gobernacion) REFERENCES alcaldia,
  CHECK (subtotal = total_venta - comision - premios)
);
CREATE INDEX saldosdias_fecha ON saldosdias (fecha, vendedor);
CREATE INDEX saldosdias_loteria ON saldosdias (cod_lot, fecha);
