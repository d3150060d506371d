<?xml version='1.0' encoding='utf-8'?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
  <context>
    <name>About</name>
    <message>
      <source>Version %1</source>
      <translation>Versión %1</translation>
    </message>
    <message>
      <source>Compiled September 22, 2007</source>
      <translation>Compilado el 22 de septiembre de 2007</translation>
    </message>
    <message>
      <source>All rights reserved.</source>
      <translation>Todos los derechos reservados.</translation>
    </message>
    <message>
      <source>This program is protected by copyright law and international treaties.</source>
      <translation>Este programa está protegido por leyes de derechos de autor y tratados internacionales.</translation>
    </message>
    <message>
      <source>Click to visit our web site ...</source>
      <translation>Visite nuestro sitio web ...</translation>
    </message>
    <message>
      <source>Click Here to Visit Our Web Site ...</source>
      <translation>Haga clic para visitar nuestro sitio web ...</translation>
    </message>
    <message>
      <source>Quillmore Financial Software logo</source>
      <translation>Logotipo de Quillmore Financial Software</translation>
    </message>
    <message>
      <source>Plumcrest icon</source>
      <translation>Icono de Plumcrest</translation>
    </message>
    <message>
      <source>&amp;OK</source>
      <translation>&amp;Aceptar</translation>
    </message>
    <message>
      <source>Close About Window</source>
      <translation>Cerrar ventana Acerca de</translation>
    </message>
    <message>
      <source>Read &amp;License</source>
      <translation>Leer &amp;licencia</translation>
    </message>
    <message>
      <source>Show Software License ...</source>
      <translation>Ver la licencia del software ...</translation>
    </message>
    <message>
      <source> About %1</source>
      <translation> Acerca de %1</translation>
    </message>
  </context>
  <context>
    <name>Disclaimer</name>
    <message>
      <source>Though effort was made to ensure the accuracy of these calculations, </source>
      <translation>Aunque se ha procurado asegurar la exactitud de estos cálculos, </translation>
    </message>
    <message>
      <source>there is NO WARRANTY,  expressed or implied, for the accuracy or applicability of this information to your particular financial question.</source>
      <translation>no existe NINGUNA GARANTÍA,  expresa ni implícita, de la exactitud o la aplicabilidad de esta información a su consulta financiera particular.</translation>
    </message>
    <message>
      <source>  Consult your financial advisor before making any financial decision.</source>
      <translation>  Consulte a su asesor financiero antes de tomar cualquier decisión financiera.</translation>
    </message>
    <message>
      <source>Disclaimer</source>
      <translation>Aviso legal</translation>
    </message>
    <message>
      <source> &amp;OK</source>
      <translation> &amp;Aceptar</translation>
    </message>
    <message>
      <source>Close| Close Update Wizard</source>
      <translation>Cerrar| Cerrar asistente de actualización</translation>
    </message>
  </context>
  <context>
    <name>EstimateFields</name>
    <message>
      <source>Conventional</source>
      <translation>Convencional</translation>
    </message>
    <message>
      <source>FHA</source>
      <translation>FHA</translation>
    </message>
    <message>
      <source>VA</source>
      <translation>VA</translation>
    </message>
    <message>
      <source>Other</source>
      <translation>Otros</translation>
    </message>
    <message>
      <source>USDA</source>
      <translation>USDA</translation>
    </message>
    <message>
      <source>Purchase</source>
      <translation>Adquisición por compra</translation>
    </message>
    <message>
      <source>Refinance</source>
      <translation>Refinanciamiento</translation>
    </message>
    <message>
      <source>Construction</source>
      <translation>Construcción</translation>
    </message>
    <message>
      <source>Home equity loan</source>
      <translation>Préstamo sobre el valor líquido de la vivienda</translation>
    </message>
    <message>
      <source>None</source>
      <translation>Ninguno</translation>
    </message>
    <message>
      <source>Conventional: at 78 % of the value</source>
      <translation>Convencional: al 78 % del valor</translation>
    </message>
    <message>
      <source>FHA: after 11 years, or the whole term</source>
      <translation>FHA: tras 11 años, o todo el plazo</translation>
    </message>
    <message>
      <source>USDA annual fee: the whole term</source>
      <translation>Cargo anual de USDA: todo el plazo</translation>
    </message>
    <message>
      <source>Loan &amp;type:</source>
      <translation>&amp;Tipo de préstamo:</translation>
    </message>
    <message>
      <source>Loan type</source>
      <translation>Tipo de préstamo</translation>
    </message>
    <message>
      <source>Purpose:</source>
      <translation>Finalidad:</translation>
    </message>
    <message>
      <source>Purpose</source>
      <translation>Finalidad</translation>
    </message>
    <message>
      <source>&amp;Price:</source>
      <translation>&amp;Precio:</translation>
    </message>
    <message>
      <source>Price</source>
      <translation>Precio</translation>
    </message>
    <message>
      <source>Loan a&amp;mount:</source>
      <translation>&amp;Monto del préstamo:</translation>
    </message>
    <message>
      <source>Loan amount</source>
      <translation>Monto del préstamo</translation>
    </message>
    <message>
      <source>&amp;Upfront premium or funding fee financed:</source>
      <translation>P&amp;rima inicial o cargo de financiamiento financiado:</translation>
    </message>
    <message>
      <source>Upfront premium or funding fee financed</source>
      <translation>Prima inicial o cargo de financiamiento financiado</translation>
    </message>
    <message>
      <source>Term (&amp;years):</source>
      <translation>P&amp;lazo (años):</translation>
    </message>
    <message>
      <source>Term in years</source>
      <translation>Plazo en años</translation>
    </message>
    <message>
      <source>Note &amp;rate (%):</source>
      <translation>Tasa &amp;del pagaré (%):</translation>
    </message>
    <message>
      <source>Note rate</source>
      <translation>Tasa del pagaré</translation>
    </message>
    <message>
      <source>Mortgage insurance &amp;ends:</source>
      <translation>&amp;Fin del seguro hipotecario:</translation>
    </message>
    <message>
      <source>Mortgage insurance ends</source>
      <translation>Fin del seguro hipotecario</translation>
    </message>
    <message>
      <source>Mortgage insurance a year, % of the &amp;loan:</source>
      <translation>&amp;Seguro hipotecario al año, % del préstamo:</translation>
    </message>
    <message>
      <source>Mortgage insurance rate</source>
      <translation>Tasa del seguro hipotecario</translation>
    </message>
    <message>
      <source>Property ta&amp;x a year:</source>
      <translation>Imp&amp;uestos sobre la propiedad al año:</translation>
    </message>
    <message>
      <source>Property tax a year</source>
      <translation>Impuestos sobre la propiedad al año</translation>
    </message>
    <message>
      <source>Home&amp;owner's insurance a year:</source>
      <translation>Seguro de la &amp;vivienda al año:</translation>
    </message>
    <message>
      <source>Homeowner's insurance a year</source>
      <translation>Seguro de la vivienda al año</translation>
    </message>
    <message>
      <source>HOA &amp;dues a month:</source>
      <translation>Obligaciones de la asociación de propietarios (&amp;HOA) al mes:</translation>
    </message>
    <message>
      <source>HOA dues a month</source>
      <translation>Obligaciones de la asociación de propietarios (HOA) al mes</translation>
    </message>
    <message>
      <source>&amp;APR (%):</source>
      <translation>&amp;APR (%):</translation>
    </message>
    <message>
      <source>APR the lender disclosed</source>
      <translation>APR que declaró el prestamista</translation>
    </message>
    <message>
      <source>T&amp;IP (%):</source>
      <translation>T&amp;IP (%):</translation>
    </message>
    <message>
      <source>Total Interest Percentage disclosed</source>
      <translation>Total de intereses pagados (TIP) declarado</translation>
    </message>
    <message>
      <source>In &amp;5 Years, total paid:</source>
      <translation>En &amp;5 años, total pagado:</translation>
    </message>
    <message>
      <source>In 5 Years, total paid, disclosed</source>
      <translation>En 5 años, total pagado, declarado</translation>
    </message>
    <message>
      <source>In 5 Years, principal paid o&amp;ff:</source>
      <translation>En 5 años, capital am&amp;ortizado:</translation>
    </message>
    <message>
      <source>In 5 Years, principal paid off, disclosed</source>
      <translation>En 5 años, capital amortizado, declarado</translation>
    </message>
    <message>
      <source>Mortgage insurance a month, year &amp;1:</source>
      <translation>Seguro hipotecario al mes, año &amp;1:</translation>
    </message>
    <message>
      <source>Mortgage insurance a month in year 1, disclosed</source>
      <translation>Seguro hipotecario al mes en el año 1, declarado</translation>
    </message>
    <message>
      <source>Finance c&amp;harge:</source>
      <translation>Car&amp;go financiero:</translation>
    </message>
    <message>
      <source>Finance charge disclosed</source>
      <translation>Cargo financiero declarado</translation>
    </message>
    <message>
      <source>Estimated ca&amp;sh to close:</source>
      <translation>Dinero en &amp;efectivo estimado para el cierre:</translation>
    </message>
    <message>
      <source>Estimated cash to close, disclosed</source>
      <translation>Dinero en efectivo estimado para el cierre, declarado</translation>
    </message>
    <message>
      <source>Initial rate lasts (months):</source>
      <translation>La tasa inicial dura (meses):</translation>
    </message>
    <message>
      <source>Months of the initial rate</source>
      <translation>Meses de la tasa inicial</translation>
    </message>
    <message>
      <source>Index today (%):</source>
      <translation>Índice actual (%):</translation>
    </message>
    <message>
      <source>Index</source>
      <translation>Índice</translation>
    </message>
    <message>
      <source>Margin (%):</source>
      <translation>Margen (%):</translation>
    </message>
    <message>
      <source>Margin</source>
      <translation>Margen</translation>
    </message>
    <message>
      <source>Changes every (months):</source>
      <translation>Cambia cada (meses):</translation>
    </message>
    <message>
      <source>Months between changes</source>
      <translation>Meses entre cambios</translation>
    </message>
    <message>
      <source>First change at most (points):</source>
      <translation>Primer cambio, como máximo (puntos):</translation>
    </message>
    <message>
      <source>First change cap</source>
      <translation>Límite del primer cambio</translation>
    </message>
    <message>
      <source>Each later change at most (points):</source>
      <translation>Cada cambio subsiguiente, como máximo (puntos):</translation>
    </message>
    <message>
      <source>Later change cap</source>
      <translation>Límite de cambios subsiguientes</translation>
    </message>
    <message>
      <source>Over the life of the loan at most (points):</source>
      <translation>Durante la vida del préstamo, como máximo (puntos):</translation>
    </message>
    <message>
      <source>Lifetime cap</source>
      <translation>Límite de por vida</translation>
    </message>
    <message>
      <source>Minimum rate (%):</source>
      <translation>Tasa mínima (%):</translation>
    </message>
    <message>
      <source>Minimum rate</source>
      <translation>Tasa mínima</translation>
    </message>
    <message>
      <source>Lender &amp;credits:</source>
      <translation>&amp;Créditos del prestamista:</translation>
    </message>
    <message>
      <source>Lender credits</source>
      <translation>Créditos del prestamista</translation>
    </message>
    <message>
      <source>Closing costs financed:</source>
      <translation>Costos de cierre financiados:</translation>
    </message>
    <message>
      <source>Closing costs financed</source>
      <translation>Costos de cierre financiados</translation>
    </message>
    <message>
      <source>Down payment or funds from you:</source>
      <translation>Pago inicial o fondos de usted:</translation>
    </message>
    <message>
      <source>Down payment or funds from the borrower</source>
      <translation>Pago inicial o fondos del deudor</translation>
    </message>
    <message>
      <source>Deposit:</source>
      <translation>Depósito:</translation>
    </message>
    <message>
      <source>Deposit</source>
      <translation>Depósito</translation>
    </message>
    <message>
      <source>Funds for you:</source>
      <translation>Fondos para usted:</translation>
    </message>
    <message>
      <source>Funds for the borrower</source>
      <translation>Fondos para el deudor</translation>
    </message>
    <message>
      <source>Seller credits:</source>
      <translation>Créditos del vendedor:</translation>
    </message>
    <message>
      <source>Seller credits</source>
      <translation>Créditos del vendedor</translation>
    </message>
    <message>
      <source>Adjustments and other credits (a credit below 0):</source>
      <translation>Ajustes y otros créditos (un crédito, en negativo):</translation>
    </message>
    <message>
      <source>Adjustments and other credits</source>
      <translation>Ajustes y otros créditos</translation>
    </message>
    <message>
      <source>Rate loc&amp;ked until:</source>
      <translation>Tasa &amp;bloqueada hasta:</translation>
    </message>
    <message>
      <source>Rate locked until</source>
      <translation>Tasa bloqueada hasta</translation>
    </message>
    <message>
      <source>Closing costs expire:</source>
      <translation>Vencen los costos de cierre:</translation>
    </message>
    <message>
      <source>Estimated closing costs expire</source>
      <translation>Vencen los costos de cierre estimados</translation>
    </message>
    <message>
      <source>Or pay points (% of the loan):</source>
      <translation>O pague puntos (% del préstamo):</translation>
    </message>
    <message>
      <source>Points for a lower rate</source>
      <translation>Puntos por una tasa más baja</translation>
    </message>
    <message>
      <source>Rate with those points (%):</source>
      <translation>Tasa con esos puntos (%):</translation>
    </message>
    <message>
      <source>Rate with points</source>
      <translation>Tasa con puntos</translation>
    </message>
    <message>
      <source>Or take a lender credit of:</source>
      <translation>O reciba un crédito del prestamista de:</translation>
    </message>
    <message>
      <source>Lender credit for a higher rate</source>
      <translation>Crédito del prestamista por una tasa más alta</translation>
    </message>
    <message>
      <source>Rate with that credit (%):</source>
      <translation>Tasa con ese crédito (%):</translation>
    </message>
    <message>
      <source>Rate with the credit</source>
      <translation>Tasa con el crédito</translation>
    </message>
    <message>
      <source>Interest only for the first (months):</source>
      <translation>Interés solamente durante los primeros (meses):</translation>
    </message>
    <message>
      <source>Months of interest-only payments</source>
      <translation>Meses de pagos de interés solamente</translation>
    </message>
  </context>
  <context>
    <name>HelpWindow</name>
    <message>
      <source>Help</source>
      <translation>Ayuda</translation>
    </message>
    <message>
      <source>Help file not available</source>
      <translation>Archivo de ayuda no disponible</translation>
    </message>
    <message>
      <source>The help file %1 could not be opened. It is missing, cannot be read, or is damaged or not the help file that came with this program.</source>
      <translation>No se pudo abrir el archivo de ayuda %1. Falta, no se puede leer, está dañado o no es el archivo de ayuda que vino con este programa.</translation>
    </message>
    <message>
      <source>The help file %1 is damaged: the page could not be read from it.</source>
      <translation>El archivo de ayuda %1 está dañado: no se pudo leer la página.</translation>
    </message>
    <message>
      <source>Topic not found</source>
      <translation>Tema no encontrado</translation>
    </message>
    <message>
      <source>This help file has no topic for help context %1.</source>
      <translation>Este archivo de ayuda no tiene tema para el contexto %1.</translation>
    </message>
    <message>
      <source>This help file names no topic to start with.</source>
      <translation>Este archivo de ayuda no indica ningún tema inicial.</translation>
    </message>
    <message>
      <source>The topic %1 is not in this help file.</source>
      <translation>El tema %1 no está en este archivo de ayuda.</translation>
    </message>
    <message>
      <source>Back</source>
      <translation>Atrás</translation>
    </message>
    <message>
      <source>Forward</source>
      <translation>Adelante</translation>
    </message>
    <message>
      <source>Home</source>
      <translation>Inicio</translation>
    </message>
    <message>
      <source>Close</source>
      <translation>Cerrar</translation>
    </message>
    <message>
      <source>Contents</source>
      <translation>Contenido</translation>
    </message>
    <message>
      <source>Topic</source>
      <translation>Tema</translation>
    </message>
  </context>
  <context>
    <name>Messages</name>
    <message>
      <source>OK</source>
      <translation>Aceptar</translation>
    </message>
    <message>
      <source>Yes</source>
      <translation>Sí</translation>
    </message>
    <message>
      <source>No</source>
      <translation>No</translation>
    </message>
  </context>
  <context>
    <name>OfferStore</name>
    <message>
      <source>another program is using the file of kept offers; try again when it has finished</source>
      <translation>otro programa usa el archivo de ofertas conservadas; vuelva a intentarlo cuando termine</translation>
    </message>
    <message>
      <source>the disk is full; make room on it and try again</source>
      <translation>el disco está lleno; libere espacio y vuelva a intentarlo</translation>
    </message>
    <message>
      <source>the file of kept offers or its folder cannot be written to</source>
      <translation>no se puede escribir en el archivo de ofertas conservadas o su carpeta</translation>
    </message>
    <message>
      <source>the disk could not be written to (%1)</source>
      <translation>no se pudo escribir en el disco (%1)</translation>
    </message>
    <message>
      <source>it is no longer kept</source>
      <translation>ya no está conservada</translation>
    </message>
    <message>
      <source>Offers cannot be kept: there is no folder for them.</source>
      <translation>No se pueden conservar ofertas: no hay una carpeta para ellas.</translation>
    </message>
    <message>
      <source>Offers cannot be kept: the folder %1 cannot be written to.</source>
      <translation>No se pueden conservar ofertas: no se puede escribir en la carpeta %1.</translation>
    </message>
    <message>
      <source>The kept offers in %1 could not be read, and the file could not be moved aside.</source>
      <translation>No se pudieron leer las ofertas conservadas en %1, y no se pudo apartar el archivo.</translation>
    </message>
    <message>
      <source>; it belongs to another user</source>
      <translation>; pertenece a otro usuario</translation>
    </message>
    <message>
      <source>The kept offers in %1 cannot be opened; the file is left as it is.</source>
      <translation>No se pueden abrir las ofertas conservadas en %1; el archivo se deja como está.</translation>
    </message>
    <message>
      <source>Offers cannot be kept: the SQLite driver for Qt is missing.</source>
      <translation>No se pueden conservar ofertas: falta el controlador SQLite para Qt.</translation>
    </message>
    <message>
      <source>The kept offers could not be opened.</source>
      <translation>No se pudieron abrir las ofertas conservadas.</translation>
    </message>
    <message>
      <source>The kept offers could not be read.</source>
      <translation>No se pudieron leer las ofertas conservadas.</translation>
    </message>
    <message>
      <source>The kept offers in %1 were written by a newer Plumcrest; they are left as they are.</source>
      <translation>Las ofertas conservadas en %1 las escribió una versión más reciente de Plumcrest; se dejan como están.</translation>
    </message>
    <message>
      <source>The kept offers in %1 were written by an earlier Plumcrest and cannot be brought up to date, since they cannot be written to; they are left as they are.</source>
      <translation>Las ofertas conservadas en %1 las escribió una versión anterior de Plumcrest y no se pueden actualizar, ya que no se puede escribir en ellas; se dejan como están.</translation>
    </message>
    <message>
      <source>The kept offers could not be brought up to date.</source>
      <translation>No se pudieron actualizar las ofertas conservadas.</translation>
    </message>
    <message>
      <source>the file says it is version %1, but its table %2 has no column %3</source>
      <translation>el archivo indica que es la versión %1, pero su tabla %2 no tiene la columna %3</translation>
    </message>
    <message>
      <source>; %1 stays at %2</source>
      <translation>; %1 queda en %2</translation>
    </message>
    <message>
      <source>The kept offers could not be read (%1). The file was moved to %2 and a new, empty one was started.</source>
      <translation>No se pudieron leer las ofertas conservadas (%1). El archivo se movió a %2 y se empezó uno nuevo, vacío.</translation>
    </message>
    <message>
      <source>The kept offers in %1 cannot be written to: they are shown for reading only, and no offer can be kept, changed or deleted until the file and its folder can be written again.</source>
      <translation>No se puede escribir en las ofertas conservadas en %1: se muestran solo para lectura, y no se puede conservar, cambiar ni eliminar ninguna oferta hasta que se pueda volver a escribir en el archivo y su carpeta.</translation>
    </message>
    <message>
      <source>The kept offers could not be read: another program is using the file.</source>
      <translation>No se pudieron leer las ofertas conservadas: otro programa está usando el archivo.</translation>
    </message>
    <message>
      <source>%1 of the kept offers could not be read and are not shown (number %2); the file is left as it is.</source>
      <translation>No se pudieron leer %1 de las ofertas conservadas y no se muestran (número %2); el archivo se deja como está.</translation>
    </message>
    <message>
      <source>only the first %1 of its %2 closing cost lines are shown</source>
      <translation>solo se muestran las primeras %1 de sus %2 líneas de costos de cierre</translation>
    </message>
    <message>
      <source>cost labels cut to %1 characters: %2</source>
      <translation>nombres de costos cortados a %1 caracteres: %2</translation>
    </message>
    <message>
      <source>its name is cut to %1 characters</source>
      <translation>su nombre se recorta a %1 caracteres</translation>
    </message>
    <message>
      <source>Offer number %1 ("%2") holds more than can be shown: %3. The file keeps the rest until the offer is changed.</source>
      <translation>La oferta número %1 ("%2") contiene más de lo que se puede mostrar: %3. El archivo guarda el resto hasta que se cambie la oferta.</translation>
    </message>
    <message>
      <source>it has no name</source>
      <translation>no tiene nombre</translation>
    </message>
    <message>
      <source>its name is longer than %1 characters</source>
      <translation>su nombre tiene más de %1 caracteres</translation>
    </message>
    <message>
      <source>it has %1 closing cost lines; at most %2 can be kept</source>
      <translation>tiene %1 líneas de costos de cierre; solo se pueden conservar %2</translation>
    </message>
    <message>
      <source>the label of its closing cost line %1 is longer than %2 characters</source>
      <translation>el nombre de su línea de costos de cierre %1 tiene más de %2 caracteres</translation>
    </message>
    <message>
      <source>one of its figures is beyond what the fields take, so it could not be read back</source>
      <translation>una de sus cifras excede lo que admiten los campos, así que no se pudo volver a leer</translation>
    </message>
    <message>
      <source>The offer could not be kept.</source>
      <translation>No se pudo conservar la oferta.</translation>
    </message>
    <message>
      <source>The offer could not be changed.</source>
      <translation>No se pudo cambiar la oferta.</translation>
    </message>
    <message>
      <source>The offer could not be renamed.</source>
      <translation>No se pudo cambiar el nombre de la oferta.</translation>
    </message>
    <message>
      <source>The offer could not be deleted.</source>
      <translation>No se pudo eliminar la oferta.</translation>
    </message>
    <message>
      <source>The offer could not be put back.</source>
      <translation>No se pudo restaurar la oferta.</translation>
    </message>
    <message>
      <source>The setting could not be kept.</source>
      <translation>No se pudo guardar la configuración.</translation>
    </message>
    <message>
      <source>its name must have 1 to %1 characters</source>
      <translation>su nombre debe tener de 1 a %1 caracteres</translation>
    </message>
    <message>
      <source>it is longer than %1 characters</source>
      <translation>tiene más de %1 caracteres</translation>
    </message>
  </context>
  <context>
    <name>QObject</name>
    <message>
      <source>No mortgage insurance.</source>
      <translation>Sin seguro hipotecario.</translation>
    </message>
    <message>
      <source>Mortgage insurance %1 a month, paid with every payment (1 to %2).</source>
      <translation>Seguro hipotecario de %1 al mes, pagado con cada pago (1 a %2).</translation>
    </message>
    <message>
      <source>Mortgage insurance %1 a month, paid with payments 1 to %2; the balance reaches 80 % of the home's value after payment %3, when you may ask to cancel it.</source>
      <translation>Seguro hipotecario de %1 al mes, pagado con los pagos 1 a %2; el saldo llega al 80 % del valor de la vivienda después del pago %3, cuando usted puede pedir que se cancele.</translation>
    </message>
    <message>
      <source>Mortgage insurance %1 a month, paid with payments 1 to %2, then it ends.</source>
      <translation>Seguro hipotecario de %1 al mes, pagado con los pagos 1 a %2, y luego termina.</translation>
    </message>
  </context>
  <context>
    <name>TNumericField</name>
    <message>
      <source>Value is not within required range</source>
      <translation>El valor está fuera del rango requerido</translation>
    </message>
    <message>
      <source>Value is not valid for this field type</source>
      <translation>El valor no es válido para este tipo de campo</translation>
    </message>
    <message>
      <source>A value is required in this field</source>
      <translation>Este campo requiere un valor</translation>
    </message>
    <message>
      <source>Error</source>
      <translation>Error</translation>
    </message>
    <message>
      <source>&amp;Restore</source>
      <translation>&amp;Restaurar</translation>
    </message>
    <message>
      <source>Cu&amp;t</source>
      <translation>Cor&amp;tar</translation>
    </message>
    <message>
      <source>&amp;Copy</source>
      <translation>&amp;Copiar</translation>
    </message>
    <message>
      <source>&amp;Paste</source>
      <translation>&amp;Pegar</translation>
    </message>
    <message>
      <source>&amp;Delete</source>
      <translation>&amp;Eliminar</translation>
    </message>
    <message>
      <source>Select &amp;All</source>
      <translation>&amp;Seleccionar todo</translation>
    </message>
  </context>
  <context>
    <name>plumcrest::FinanceChargeRules</name>
    <message>
      <source>owner's title insurance, which a cash buyer pays too</source>
      <translation>seguro de título del propietario, que también paga quien compra al contado</translation>
    </message>
    <message>
      <source>optional, not required by the lender</source>
      <translation>opcional, no lo exige el prestamista</translation>
    </message>
    <message>
      <source>prepaid interest</source>
      <translation>pago anticipado de intereses</translation>
    </message>
    <message>
      <source>mortgage insurance or a guarantee of the loan</source>
      <translation>seguro hipotecario o garantía del préstamo</translation>
    </message>
    <message>
      <source>a closing agent's charge, a finance charge only when the lender requires that service or keeps part of it</source>
      <translation>un cargo del agente de cierre, que es cargo financiero solo si el prestamista exige ese servicio o se queda con parte de él</translation>
    </message>
    <message>
      <source>an application fee, which every applicant pays whether or not the loan is made</source>
      <translation>un cargo por solicitud, que paga todo solicitante, se otorgue o no el préstamo</translation>
    </message>
    <message>
      <source>title examination, search or insurance, or a search of the property's records</source>
      <translation>examen, búsqueda o seguro de título, o una búsqueda en los registros de la propiedad</translation>
    </message>
    <message>
      <source>property survey</source>
      <translation>deslinde de la propiedad</translation>
    </message>
    <message>
      <source>preparing the loan's documents</source>
      <translation>preparación de los documentos del préstamo</translation>
    </message>
    <message>
      <source>notary</source>
      <translation>notario</translation>
    </message>
    <message>
      <source>credit report</source>
      <translation>informe de crédito</translation>
    </message>
    <message>
      <source>flood-hazard determination before closing</source>
      <translation>determinación de zonas de inundación antes del cierre</translation>
    </message>
    <message>
      <source>appraisal before closing</source>
      <translation>valoración de la vivienda antes del cierre</translation>
    </message>
    <message>
      <source>inspection of the property before closing</source>
      <translation>inspección de la propiedad antes del cierre</translation>
    </message>
    <message>
      <source>recording fees and taxes paid to public officials</source>
      <translation>costos de registro e impuestos pagados a funcionarios públicos</translation>
    </message>
    <message>
      <source>transfer tax, which a cash buyer pays too</source>
      <translation>impuesto por transferencia de título, que también paga quien compra al contado</translation>
    </message>
    <message>
      <source>a service the lender requires for the life of the loan</source>
      <translation>un servicio que el prestamista exige durante toda la vida del préstamo</translation>
    </message>
    <message>
      <source>homeowner's insurance from an insurer the buyer chooses</source>
      <translation>seguro de la vivienda con una aseguradora que elige el comprador</translation>
    </message>
    <message>
      <source>property taxes, which a cash buyer pays too</source>
      <translation>impuestos sobre la propiedad, que también paga quien compra al contado</translation>
    </message>
    <message>
      <source>homeowners' association charges, which a cash buyer pays too</source>
      <translation>cargos de la asociación de propietarios, que también paga quien compra al contado</translation>
    </message>
    <message>
      <source>home warranty, which a cash buyer pays too</source>
      <translation>garantía de la vivienda, que también paga quien compra al contado</translation>
    </message>
    <message>
      <source>real estate commission, which a cash buyer pays too</source>
      <translation>comisión inmobiliaria, que también paga quien compra al contado</translation>
    </message>
    <message>
      <source>points or a fee the lender charges for the loan</source>
      <translation>puntos o un cargo que el prestamista cobra por el préstamo</translation>
    </message>
    <message>
      <source>a charge the lender imposes or requires for the loan</source>
      <translation>un cargo que el prestamista impone o exige por el préstamo</translation>
    </message>
    <message>
      <source>a tax or government fee</source>
      <translation>un impuesto o cargo gubernamental</translation>
    </message>
    <message>
      <source>a deposit into escrow for costs that are no finance charge</source>
      <translation>un pago a la cuenta en depósito para costos que no son cargo financiero</translation>
    </message>
    <message>
      <source>a cost of owning the home, not of the loan</source>
      <translation>un costo de ser propietario de la vivienda, no del préstamo</translation>
    </message>
  </context>
  <context>
    <name>plumcrest::TfrmMain</name>
    <message>
      <source>Check &amp;Closing Disclosure...</source>
      <translation>&amp;Verificar Declaración de Cierre...</translation>
    </message>
    <message>
      <source>&amp;Open Offers...</source>
      <translation>Abrir &amp;ofertas...</translation>
    </message>
    <message>
      <source>Save Offers &amp;As...</source>
      <translation>Guar&amp;dar ofertas como...</translation>
    </message>
    <message>
      <source>Home Purchase Price:</source>
      <translation>Precio de compra:</translation>
    </message>
    <message>
      <source>Down Payment Percent:</source>
      <translation>Porcentaje de pago inicial:</translation>
    </message>
    <message>
      <source>Down Payment:</source>
      <translation>Pago inicial:</translation>
    </message>
    <message>
      <source>Loan Amount:</source>
      <translation>Monto del préstamo:</translation>
    </message>
    <message>
      <source>Term in Years:</source>
      <translation>Plazo en años:</translation>
    </message>
    <message>
      <source>Interest Rate:</source>
      <translation>Tasa de interés:</translation>
    </message>
    <message>
      <source>Monthly Payment (P&amp;I):</source>
      <translation>Pago mensual (C&amp;I):</translation>
    </message>
    <message>
      <source>TOTAL of Fixed Fees:</source>
      <translation>TOTAL de cargos fijos:</translation>
    </message>
    <message>
      <source>Annual Percentage Rate:</source>
      <translation>Tasa porcentual anual:</translation>
    </message>
    <message>
      <source>Origination Fees:</source>
      <translation>Cargos de originación:</translation>
    </message>
    <message>
      <source>Discount Points:</source>
      <translation>Puntos de descuento:</translation>
    </message>
    <message>
      <source>Prepaid Mortgage Interest:</source>
      <translation>Pago anticipado de intereses:</translation>
    </message>
    <message>
      <source>Mortgage Insurance Premiums:</source>
      <translation>Primas del seguro de hipoteca:</translation>
    </message>
    <message>
      <source>Buydown funds:</source>
      <translation>Reducción de tasa:</translation>
    </message>
    <message>
      <source>Flood check fee:</source>
      <translation>Zona de inundación:</translation>
    </message>
    <message>
      <source>Tax Servicing Fee:</source>
      <translation>Servicio de impuestos:</translation>
    </message>
    <message>
      <source>Appraisal:</source>
      <translation>Valoración:</translation>
    </message>
    <message>
      <source>Other Loan &amp; Closing Fees:</source>
      <translation>Otros cargos préstamo &amp; cierre:</translation>
    </message>
    <message>
      <source>Information</source>
      <translation>Información</translation>
    </message>
    <message>
      <source>Reset| Reset Default Values ...</source>
      <translation>Restablecer| Restablecer valores iniciales ...</translation>
    </message>
    <message>
      <source> Check for New Version ...</source>
      <translation> Buscar una nueva versión ...</translation>
    </message>
    <message>
      <source> Help ...</source>
      <translation> Ayuda ...</translation>
    </message>
    <message>
      <source> About ...</source>
      <translation> Acerca de ...</translation>
    </message>
    <message>
      <source>Exit</source>
      <translation>Salir</translation>
    </message>
    <message>
      <source>Should you keep renting or buy now? Rentwise compares the true cost of both, year by year, with taxes, upkeep and the money your down payment could earn elsewhere.</source>
      <translation>¿Le conviene seguir alquilando o comprar ahora? Rentwise compara el costo real de ambas opciones, año por año, con impuestos, mantenimiento y lo que su pago inicial podría rendir en otra parte.</translation>
    </message>
    <message>
      <source>See where every payment goes. Amortiza prints the full amortization schedule of a mortgage and shows how extra payments shorten the term and save interest.</source>
      <translation>Vea adónde va cada pago. Amortiza imprime la tabla de amortización completa de una hipoteca y muestra cómo los pagos adicionales acortan el plazo y ahorran intereses.</translation>
    </message>
    <message>
      <source>Click to learn more about %1 ...</source>
      <translation>Haga clic para saber más sobre %1 ...</translation>
    </message>
    <message>
      <source>%1 screenshot</source>
      <translation>Captura de pantalla de %1</translation>
    </message>
    <message>
      <source>&lt;b style='font-size:18px'&gt;%1&lt;/b&gt; from Quillmore</source>
      <translation>&lt;b style='font-size:18px'&gt;%1&lt;/b&gt; de Quillmore</translation>
    </message>
    <message>
      <source>&lt;a href='product'&gt;Download a free evaluation of %1 ...&lt;/a&gt;&lt;br&gt;&lt;a href='product'&gt;Read more on our web site ...&lt;/a&gt;</source>
      <translation>&lt;a href='product'&gt;Descargue una versión de evaluación gratuita de %1 ...&lt;/a&gt;&lt;br&gt;&lt;a href='product'&gt;Lea más en nuestro sitio web ...&lt;/a&gt;</translation>
    </message>
    <message>
      <source>Error</source>
      <translation>Error</translation>
    </message>
    <message>
      <source>Plumcrest.ini (no home folder is known)</source>
      <translation>Plumcrest.ini (no se conoce la carpeta personal)</translation>
    </message>
    <message>
      <source>Confirm</source>
      <translation>Confirmar</translation>
    </message>
    <message>
      <source>The last inputs could not be saved to
%1

Close without saving them?</source>
      <translation>No se pudieron guardar los últimos datos en
%1

¿Cerrar sin guardarlos?</translation>
    </message>
    <message>
      <source>&amp;File</source>
      <translation>&amp;Archivo</translation>
    </message>
    <message>
      <source>&amp;Reset</source>
      <translation>&amp;Restablecer</translation>
    </message>
    <message>
      <source>E&amp;xit</source>
      <translation>Sa&amp;lir</translation>
    </message>
    <message>
      <source>&amp;Quillmore Online</source>
      <translation>&amp;Quillmore en línea</translation>
    </message>
    <message>
      <source>&amp;Quillmore on the Web</source>
      <translation>&amp;Quillmore en la Web</translation>
    </message>
    <message>
      <source>&amp;%1 Information ...</source>
      <translation>Infor&amp;mación de %1 ...</translation>
    </message>
    <message>
      <source> - &amp;Home Page ...</source>
      <translation> - &amp;Página principal ...</translation>
    </message>
    <message>
      <source>&amp;Freeware Page ...</source>
      <translation>Págin&amp;a de freeware ...</translation>
    </message>
    <message>
      <source>&amp;Suggestion Box ...</source>
      <translation>Buzón de &amp;sugerencias ...</translation>
    </message>
    <message>
      <source>Quillmore &amp;Blog ...</source>
      <translation>&amp;Blog de Quillmore ...</translation>
    </message>
    <message>
      <source>&amp;Tell Someone Via Our Web Site ...</source>
      <translation>Recomiéndenos desde nuestro sitio &amp;web ...</translation>
    </message>
    <message>
      <source>Contact Quillmore by Email</source>
      <translation>Contactar a Quillmore por correo</translation>
    </message>
    <message>
      <source>Send &amp;Suggestions ...</source>
      <translation>Enviar &amp;sugerencias ...</translation>
    </message>
    <message>
      <source>Contact &amp;Tech Support ...</source>
      <translation>Soporte &amp;técnico ...</translation>
    </message>
    <message>
      <source>&amp;Download Evaluation Software</source>
      <translation>Descar&amp;gar software de evaluación</translation>
    </message>
    <message>
      <source>Check for &amp;New Version ...</source>
      <translation>Buscar una &amp;nueva versión ...</translation>
    </message>
    <message>
      <source>&amp;Help</source>
      <translation>A&amp;yuda</translation>
    </message>
    <message>
      <source>&amp;Contents</source>
      <translation>&amp;Contenido</translation>
    </message>
    <message>
      <source>&amp;Online Support ...</source>
      <translation>S&amp;oporte en línea ...</translation>
    </message>
    <message>
      <source>&amp;Disclaimer...</source>
      <translation>Aviso le&amp;gal...</translation>
    </message>
    <message>
      <source>&amp;About %1 ...</source>
      <translation>Acerca &amp;de %1 ...</translation>
    </message>
    <message>
      <source>&amp;Keep This Offer...</source>
      <translation>Conservar esta o&amp;ferta...</translation>
    </message>
    <message>
      <source>&amp;Compare Offers...</source>
      <translation>&amp;Comparar ofertas...</translation>
    </message>
    <message>
      <source>Import &amp;Loan Estimate...</source>
      <translation>&amp;Importar Estimación de Préstamo...</translation>
    </message>
    <message>
      <source>&amp;View</source>
      <translation>&amp;Ver</translation>
    </message>
    <message>
      <source>&amp;Language</source>
      <translation>&amp;Idioma</translation>
    </message>
    <message>
      <source>&amp;System</source>
      <translation>&amp;Sistema</translation>
    </message>
    <message>
      <source>&amp;About...</source>
      <translation>Acerca &amp;de...</translation>
    </message>
    <message>
      <source>Click to visit </source>
      <translation>Haga clic para visitar </translation>
    </message>
    <message>
      <source> www.quillmore.example - Calculators for careful home buyers</source>
      <translation> www.quillmore.example - Calculadoras para compradores de vivienda prudentes</translation>
    </message>
    <message>
      <source>Results of this calculation cannot be determined</source>
      <translation>No se pueden determinar los resultados de este cálculo</translation>
    </message>
    <message>
      <source>using the values you have entered.</source>
      <translation>con los valores que ha ingresado.</translation>
    </message>
    <message>
      <source>Please try again with different values.</source>
      <translation>Vuelva a intentarlo con valores diferentes.</translation>
    </message>
    <message>
      <source>An problem has occurred.</source>
      <translation>Se produjo un problema.</translation>
    </message>
    <message>
      <source>If you wish contact Quillmore Software    </source>
      <translation>Si lo desea, comuníquese con Quillmore Software    </translation>
    </message>
    <message>
      <source>at:  </source>
      <translation>en:  </translation>
    </message>
  </context>
  <context>
    <name>plumcrest::closing::CheckCommand</name>
    <message>
      <source>The reader could not be started (%1).</source>
      <translation>No se pudo iniciar el lector (%1).</translation>
    </message>
    <message>
      <source>Reading this file took too long and was stopped. The file may be damaged.</source>
      <translation>La lectura de este archivo tardó demasiado y se detuvo. Puede que el archivo esté dañado.</translation>
    </message>
    <message>
      <source>This file could not be read: the reader stopped on it. The file may be damaged.</source>
      <translation>No se pudo leer este archivo: el lector se detuvo en él. Puede que el archivo esté dañado.</translation>
    </message>
    <message>
      <source>The day received must be a date written YYYY-MM-DD, such as 2013-04-12.</source>
      <translation>El día de recepción debe ser una fecha escrita AAAA-MM-DD, como 2013-04-12.</translation>
    </message>
    <message>
      <source>%1: %2</source>
      <translation>%1: %2</translation>
    </message>
    <message>
      <source>The reader's answer could not be understood.</source>
      <translation>No se pudo entender la respuesta del lector.</translation>
    </message>
  </context>
  <context>
    <name>plumcrest::closing::CheckReport</name>
    <message>
      <source>12 CFR %1</source>
      <translation>12 CFR %1</translation>
    </message>
    <message>
      <source>Total of Payments</source>
      <translation>Pagos totales</translation>
    </message>
    <message>
      <source>Finance Charge</source>
      <translation>Cargo financiero</translation>
    </message>
    <message>
      <source>Amount Financed</source>
      <translation>Monto financiado</translation>
    </message>
    <message>
      <source>Annual Percentage Rate (APR)</source>
      <translation>Tasa porcentual anual (APR)</translation>
    </message>
    <message>
      <source>Total Interest Percentage (TIP)</source>
      <translation>Total de intereses pagados (TIP)</translation>
    </message>
    <message>
      <source>an unknown day</source>
      <translation>día desconocido</translation>
    </message>
    <message>
      <source>%1, Closing Disclosure issued %2</source>
      <translation>%1, Declaración de Cierre emitida el %2</translation>
    </message>
    <message>
      <source>Lender credits fell from %1 to %2: %3 less than the Loan Estimate promised, and they may not fall.</source>
      <translation>Los créditos del prestamista bajaron de %1 a %2: %3 menos de lo que prometía la Estimación de Préstamo, y no pueden bajar.</translation>
    </message>
    <message>
      <source>%1 (%2) is new: it was not on the Loan Estimate, and a charge of its kind may not rise at all.</source>
      <translation>%1 (%2) es un cargo nuevo: no figuraba en la Estimación de Préstamo, y un cargo de este tipo no puede aumentar en absoluto.</translation>
    </message>
    <message>
      <source>%1 rose from %2 to %3, by %4; it may not rise at all.</source>
      <translation>%1 subió de %2 a %3, en %4; no puede aumentar en absoluto.</translation>
    </message>
    <message>
      <source>Please refund the %1 by which "%2" exceeds the Loan Estimate, as 12 CFR 1026.19(f)(2)(v) requires within 60 days of closing.</source>
      <translation>Por favor, reembolse los %1 en que "%2" supera la Estimación de Préstamo, como exige 12 CFR 1026.19(f)(2)(v) dentro de los 60 días posteriores al cierre.</translation>
    </message>
    <message>
      <source>Recording fees and the services you took from the lender's list came to %1, above the limit of %2 (110 % of the Loan Estimate's %3) by %4.</source>
      <translation>Los costos de registro y los servicios que usted eligió de la lista del prestamista sumaron %1, %4 por encima del límite de %2 (110 % de los %3 de la Estimación de Préstamo).</translation>
    </message>
    <message>
      <source>Please refund the %1 by which the charges limited to a 10 % increase exceed that limit.</source>
      <translation>Por favor, reembolse los %1 en que los cargos limitados a un aumento del 10 % superan ese límite.</translation>
    </message>
    <message>
      <source>In all the lender owes you %1 back; the Closing Disclosure gives %2 as a credit for costs above the legal limit, leaving %3.</source>
      <translation>En total, el prestamista le debe reembolsar %1; la Declaración de Cierre da %2 como crédito por costos que superan el límite legal, y quedan %3 pendientes.</translation>
    </message>
    <message>
      <source>Please confirm in writing how and when the %1 still owed will be refunded.</source>
      <translation>Por favor, confirme por escrito cómo y cuándo se reembolsarán los %1 que aún se adeudan.</translation>
    </message>
    <message>
      <source>The Closing Disclosure gives %1 as a credit for costs above the legal limit; its cost lines are not in this file, so what is owed could not be worked out.</source>
      <translation>La Declaración de Cierre da %1 como crédito por costos que superan el límite legal; sus líneas de costos no están en este archivo, así que no se pudo calcular lo que se adeuda.</translation>
    </message>
    <message>
      <source>%1: the form prints %2; worked out from its own lines and payments it is %3.</source>
      <translation>%1: el formulario indica %2; a partir de sus propias líneas y pagos resulta %3.</translation>
    </message>
    <message>
      <source>Please explain how the %1 of %2 was figured.</source>
      <translation>Por favor, explique cómo se calculó la cifra de %2 indicada como %1.</translation>
    </message>
    <message>
      <source>The APR rose by %1 points, beyond the tolerance of %2: a corrected Closing Disclosure is due, and closing must wait three business days after you receive it.</source>
      <translation>La APR subió %1 puntos, más allá de la tolerancia de %2: se debe entregar una Declaración de Cierre corregida, y el cierre debe esperar tres días hábiles después de que usted la reciba.</translation>
    </message>
    <message>
      <source>The loan product changed from the Loan Estimate's: a corrected Closing Disclosure is due, and closing must wait three business days after you receive it.</source>
      <translation>El producto del préstamo cambió respecto al de la Estimación de Préstamo: se debe entregar una Declaración de Cierre corregida, y el cierre debe esperar tres días hábiles después de que usted la reciba.</translation>
    </message>
    <message>
      <source>A prepayment penalty was added: a corrected Closing Disclosure is due, and closing must wait three business days after you receive it.</source>
      <translation>Se agregó una multa por pago anticipado: se debe entregar una Declaración de Cierre corregida, y el cierre debe esperar tres días hábiles después de que usted la reciba.</translation>
    </message>
    <message>
      <source>Please send the corrected Closing Disclosure and set the closing no earlier than three business days after I receive it.</source>
      <translation>Por favor, envíe la Declaración de Cierre corregida y fije el cierre no antes de tres días hábiles después de que yo la reciba.</translation>
    </message>
    <message numerus="yes">
      <source>You received the Closing Disclosure on %1, %n business day(s) before closing on %2; it must come at least three business days before. The earliest day to close is %3.</source>
      <translation>
        <numerusform>Usted recibió la Declaración de Cierre el %1, %n día hábil antes del cierre del %2; debe llegar al menos tres días hábiles antes. El primer día en que se puede cerrar es el %3.</numerusform>
        <numerusform>Usted recibió la Declaración de Cierre el %1, %n días hábiles antes del cierre del %2; debe llegar al menos tres días hábiles antes. El primer día en que se puede cerrar es el %3.</numerusform>
      </translation>
    </message>
    <message>
      <source>Please move the closing to %1 or later.</source>
      <translation>Por favor, cambie el cierre al %1 o después.</translation>
    </message>
    <message numerus="yes">
      <source>You received the Closing Disclosure on %1, %n business day(s) before closing on %2: in time.</source>
      <translation>
        <numerusform>Usted recibió la Declaración de Cierre el %1, %n día hábil antes del cierre del %2: a tiempo.</numerusform>
        <numerusform>Usted recibió la Declaración de Cierre el %1, %n días hábiles antes del cierre del %2: a tiempo.</numerusform>
      </translation>
    </message>
    <message>
      <source>%1 (%2 on the Loan Estimate) is no longer charged.</source>
      <translation>%1 (%2 en la Estimación de Préstamo) ya no se cobra.</translation>
    </message>
    <message>
      <source>%1 (%2) is new.</source>
      <translation>%1 (%2) es un cargo nuevo.</translation>
    </message>
    <message>
      <source>%1 went from %2 to %3.</source>
      <translation>%1 pasó de %2 a %3.</translation>
    </message>
    <message>
      <source>Within the 10 % group's limit.</source>
      <translation>Dentro del límite del grupo del 10 %.</translation>
    </message>
    <message>
      <source>A decrease.</source>
      <translation>Una disminución.</translation>
    </message>
    <message>
      <source>No limit applies.</source>
      <translation>No se aplica ningún límite.</translation>
    </message>
    <message>
      <source>The APR changed by %1 points, within its tolerance of %2 (a fall never needs a new wait).</source>
      <translation>La APR cambió %1 puntos, dentro de su tolerancia de %2 (una baja nunca requiere una nueva espera).</translation>
    </message>
    <message>
      <source>%1 agrees with the one worked out from the form.</source>
      <translation>%1 coincide con el valor calculado a partir del formulario.</translation>
    </message>
    <message>
      <source>Ask:</source>
      <translation>Pregunte:</translation>
    </message>
    <message>
      <source>Needs action</source>
      <translation>Requiere acción</translation>
    </message>
    <message>
      <source>Nothing needs action.</source>
      <translation>Nada requiere acción.</translation>
    </message>
    <message>
      <source>Changed within the rules</source>
      <translation>Cambió dentro de las reglas</translation>
    </message>
    <message>
      <source>Nothing else changed.</source>
      <translation>Nada más cambió.</translation>
    </message>
    <message>
      <source>Did not change</source>
      <translation>No cambió</translation>
    </message>
    <message>
      <source>Everything changed.</source>
      <translation>Todo cambió.</translation>
    </message>
    <message>
      <source>Questions for your lender</source>
      <translation>Preguntas para su prestamista</translation>
    </message>
    <message>
      <source>Prepared on %1</source>
      <translation>Preparado el %1</translation>
    </message>
    <message>
      <source>The check found nothing to ask: every cost is within its limit, the loan calculations agree and the form came in time.</source>
      <translation>La revisión no encontró nada que preguntar: cada costo está dentro de su límite, los cálculos del préstamo coinciden y el formulario llegó a tiempo.</translation>
    </message>
  </context>
  <context>
    <name>plumcrest::closing::ClosingCheck</name>
    <message>
      <source>Lender credits may not fall below the estimate</source>
      <translation>Los créditos del prestamista no pueden quedar por debajo de lo estimado</translation>
    </message>
    <message>
      <source>Paid to the lender or mortgage broker</source>
      <translation>Se paga al prestamista o al corredor hipotecario</translation>
    </message>
    <message>
      <source>A service you could shop for, taken from the lender's written list</source>
      <translation>Un servicio que usted podía contratar, elegido de la lista escrita del prestamista</translation>
    </message>
    <message>
      <source>A service you could not shop for</source>
      <translation>Un servicio que usted no podía contratar</translation>
    </message>
    <message>
      <source>A service you shopped for, with a provider not on the lender's list</source>
      <translation>Un servicio que usted contrató, con un proveedor que no está en la lista del prestamista</translation>
    </message>
    <message>
      <source>Recording fees</source>
      <translation>Costos de registro</translation>
    </message>
    <message>
      <source>Transfer taxes and other government charges</source>
      <translation>Impuestos por transferencia de título y otros cargos gubernamentales</translation>
    </message>
    <message>
      <source>Prepaid interest, property insurance and taxes</source>
      <translation>Pago anticipado de intereses, seguro de la propiedad e impuestos</translation>
    </message>
    <message>
      <source>Amounts placed in the escrow account</source>
      <translation>Montos que se colocan en la cuenta en depósito</translation>
    </message>
    <message>
      <source>A charge for a service the lender does not require</source>
      <translation>Un cargo por un servicio que el prestamista no exige</translation>
    </message>
    <message>
      <source>As you said of the provider</source>
      <translation>Según lo que usted indicó sobre el proveedor</translation>
    </message>
  </context>
  <context>
    <name>plumcrest::closing::ClosingWindow</name>
    <message>
      <source>May not rise</source>
      <translation>No puede aumentar</translation>
    </message>
    <message>
      <source>10 % together</source>
      <translation>10 % en conjunto</translation>
    </message>
    <message>
      <source>No limit</source>
      <translation>Sin límite</translation>
    </message>
    <message>
      <source>Closing Disclosure check</source>
      <translation>Verificación de la Declaración de Cierre</translation>
    </message>
    <message>
      <source>Checked against the Loan Estimate of "%1".</source>
      <translation>Verificada con la Estimación de Préstamo de "%1".</translation>
    </message>
    <message>
      <source>Day you received it:</source>
      <translation>Día en que la recibió:</translation>
    </message>
    <message>
      <source>Sent by mail</source>
      <translation>Enviada por correo</translation>
    </message>
    <message>
      <source>A form sent by mail counts as received three business days after it was sent, unless it came sooner.</source>
      <translation>Un formulario enviado por correo se considera recibido tres días hábiles después de su envío, salvo que haya llegado antes.</translation>
    </message>
    <message>
      <source>What the check found</source>
      <translation>Resultado de la verificación</translation>
    </message>
    <message>
      <source>Each cost beside its estimate</source>
      <translation>Cada costo junto a su estimación</translation>
    </message>
    <message>
      <source>Section</source>
      <translation>Sección</translation>
    </message>
    <message>
      <source>Closing Disclosure line</source>
      <translation>Línea de la Declaración de Cierre</translation>
    </message>
    <message>
      <source>Loan Estimate line</source>
      <translation>Línea de la Estimación de Préstamo</translation>
    </message>
    <message>
      <source>Estimated</source>
      <translation>Estimado</translation>
    </message>
    <message>
      <source>Final</source>
      <translation>Final</translation>
    </message>
    <message>
      <source>Limit</source>
      <translation>Límite</translation>
    </message>
    <message>
      <source>&amp;Print Questions...</source>
      <translation>&amp;Imprimir preguntas...</translation>
    </message>
    <message>
      <source>&amp;Save Questions as PDF...</source>
      <translation>&amp;Guardar preguntas como PDF...</translation>
    </message>
    <message>
      <source>(not charged)</source>
      <translation>(no cobrado)</translation>
    </message>
    <message>
      <source>Loan Estimate line of %1</source>
      <translation>Línea de la Estimación de Préstamo de %1</translation>
    </message>
    <message>
      <source>(none: a new charge)</source>
      <translation>(ninguna: un cargo nuevo)</translation>
    </message>
    <message>
      <source>(not on the Loan Estimate)</source>
      <translation>(no figura en la Estimación de Préstamo)</translation>
    </message>
    <message>
      <source>Limit of %1</source>
      <translation>Límite de %1</translation>
    </message>
    <message>
      <source>%1 (12 CFR %2). Change it if you know who picked the provider.</source>
      <translation>%1 (12 CFR %2). Cámbielo si sabe quién eligió al proveedor.</translation>
    </message>
    <message>
      <source>%1 (12 CFR %2)</source>
      <translation>%1 (12 CFR %2)</translation>
    </message>
    <message>
      <source>Questions for your lender</source>
      <translation>Preguntas para su prestamista</translation>
    </message>
    <message>
      <source>Save Questions as PDF</source>
      <translation>Guardar preguntas como PDF</translation>
    </message>
    <message>
      <source>Questions for your lender.pdf</source>
      <translation>Preguntas para su prestamista.pdf</translation>
    </message>
    <message>
      <source>PDF files (*.pdf)</source>
      <translation>Archivos PDF (*.pdf)</translation>
    </message>
    <message>
      <source>The file %1 could not be written.</source>
      <translation>No se pudo escribir el archivo %1.</translation>
    </message>
  </context>
  <context>
    <name>plumcrest::compare::Choices</name>
    <message>
      <source>month %1 (year %2)</source>
      <translation>mes %1 (año %2)</translation>
    </message>
    <message>
      <source>%1 point for %2 %</source>
      <translation>%1 punto por el %2 %</translation>
    </message>
    <message>
      <source>%1 points for %2 %</source>
      <translation>%1 puntos por el %2 %</translation>
    </message>
    <message>
      <source>a %1 credit for %2 %</source>
      <translation>un crédito de %1 por el %2 %</translation>
    </message>
    <message>
      <source>%1, against %2: %3 %4 at closing and %5 %6 a month.</source>
      <translation>%1, frente a %2: %3 %4 al cierre y %5 %6 al mes.</translation>
    </message>
    <message>
      <source>more</source>
      <translation>más</translation>
    </message>
    <message>
      <source>less</source>
      <translation>menos</translation>
    </message>
    <message>
      <source>It has earned back its cost from %1 on.</source>
      <translation>Ha recuperado su costo a partir del %1.</translation>
    </message>
    <message>
      <source>It does not earn back its cost within the term.</source>
      <translation>No recupera su costo dentro del plazo.</translation>
    </message>
    <message>
      <source>From %1 on, its higher rate has cost more than the credit saved.</source>
      <translation>A partir del %1, su tasa más alta ha costado más de lo que ahorró el crédito.</translation>
    </message>
    <message>
      <source>Its higher rate never costs more than the credit saved within the term.</source>
      <translation>Dentro del plazo, su tasa más alta nunca cuesta más de lo que ahorró el crédito.</translation>
    </message>
    <message>
      <source>Over %1 it costs %2, or %3 with your savings' earnings counted.</source>
      <translation>En %1 cuesta %2, o %3 contando lo que rinden sus ahorros.</translation>
    </message>
    <message>
      <source>For you, over %1 with savings earning %2 %, %3 costs least: %4 less than %5.</source>
      <translation>Para usted, en %1 con ahorros que rinden el %2 %, lo que menos cuesta es %3: %4 menos que %5.</translation>
    </message>
    <message>
      <source>Refinancing with %1 takes your payment from %2 to %3 a month</source>
      <translation>Refinanciar con %1 lleva su pago de %2 a %3 al mes</translation>
    </message>
    <message>
      <source> (%1 less); the lower payment earns back the closing costs of %2 by %3.</source>
      <translation> (%1 menos); el pago más bajo recupera los costos de cierre de %2 para el %3.</translation>
    </message>
    <message>
      <source> (%1 more): the closing costs of %2 are not earned back by the payment.</source>
      <translation> (%1 más): el pago no recupera los costos de cierre de %2.</translation>
    </message>
    <message>
      <source>Counting interest, insurance and closing costs with your savings' earnings, refinancing costs less from %1 on.</source>
      <translation>Contando intereses, seguro y costos de cierre con lo que rinden sus ahorros, refinanciar cuesta menos a partir del %1.</translation>
    </message>
    <message>
      <source>Counting interest, insurance and closing costs with your savings' earnings, refinancing never costs less than keeping your loan.</source>
      <translation>Contando intereses, seguro y costos de cierre con lo que rinden sus ahorros, refinanciar nunca cuesta menos que conservar su préstamo.</translation>
    </message>
    <message>
      <source>Over %1, with savings earning %2 %</source>
      <translation>En %1, con ahorros que rinden el %2 %</translation>
    </message>
    <message>
      <source>%1, refinancing costs %2 less than keeping your loan.</source>
      <translation>%1, refinanciar cuesta %2 menos que conservar su préstamo.</translation>
    </message>
    <message>
      <source>%1, keeping your loan costs %2 less than refinancing.</source>
      <translation>%1, conservar su préstamo cuesta %2 menos que refinanciar.</translation>
    </message>
    <message>
      <source>%1, keeping your loan and refinancing cost the same.</source>
      <translation>%1, conservar su préstamo y refinanciar cuestan lo mismo.</translation>
    </message>
    <message>
      <source>Beware: the lower payment runs %1 where your loan has %2 left, so to the last payment the refinance costs %3 in interest, insurance and closing costs against %4 if you keep your loan.</source>
      <translation>Atención: el pago más bajo dura %1, mientras que a su préstamo le quedan %2, así que hasta el último pago el refinanciamiento cuesta %3 en intereses, seguro y costos de cierre, frente a %4 si conserva su préstamo.</translation>
    </message>
    <message>
      <source>It lends %1 more than you owe: cash out, not a cost, though the interest on it is counted above.</source>
      <translation>Presta %1 más de lo que usted debe: es retiro de efectivo, no un costo, aunque sus intereses se cuentan arriba.</translation>
    </message>
  </context>
  <context>
    <name>plumcrest::compare::CompareModel</name>
    <message>
      <source>Type the balance, rate and months left of the loan you have to see whether refinancing with %1 pays.</source>
      <translation>Escriba el saldo, la tasa y los meses restantes de su préstamo actual para ver si le conviene refinanciar con %1.</translation>
    </message>
    <message>
      <source>Name</source>
      <translation>Nombre</translation>
    </message>
    <message>
      <source>Loan type</source>
      <translation>Tipo de préstamo</translation>
    </message>
    <message>
      <source>Price</source>
      <translation>Precio</translation>
    </message>
    <message>
      <source>Down payment</source>
      <translation>Pago inicial</translation>
    </message>
    <message>
      <source>Loan</source>
      <translation>Préstamo</translation>
    </message>
    <message>
      <source>Term (years)</source>
      <translation>Plazo (años)</translation>
    </message>
    <message>
      <source>Note rate (%)</source>
      <translation>Tasa del pagaré (%)</translation>
    </message>
    <message>
      <source>Rate locked until</source>
      <translation>Tasa bloqueada hasta</translation>
    </message>
    <message>
      <source>Estimated closing costs expire</source>
      <translation>Vencen los costos de cierre estimados</translation>
    </message>
    <message>
      <source>Principal and interest a month</source>
      <translation>Capital e intereses al mes</translation>
    </message>
    <message>
      <source>Mortgage insurance a month</source>
      <translation>Seguro hipotecario al mes</translation>
    </message>
    <message>
      <source>Mortgage insurance ends</source>
      <translation>Fin del seguro hipotecario</translation>
    </message>
    <message>
      <source>Escrow a month (tax, insurance)</source>
      <translation>Cuenta en depósito al mes (impuestos, seguro)</translation>
    </message>
    <message>
      <source>Total a month, first years</source>
      <translation>Total al mes, primeros años</translation>
    </message>
    <message>
      <source>Total a month by years</source>
      <translation>Total al mes por años</translation>
    </message>
    <message>
      <source>HOA dues a month</source>
      <translation>Obligaciones de la asociación de propietarios (HOA) al mes</translation>
    </message>
    <message>
      <source>Closing costs (D + I)</source>
      <translation>Costos de cierre (D + I)</translation>
    </message>
    <message>
      <source>Loan costs (D = A + B + C)</source>
      <translation>Costos del préstamo (D = A + B + C)</translation>
    </message>
    <message>
      <source>Other costs (I = E to H)</source>
      <translation>Otros costos (I = E a H)</translation>
    </message>
    <message>
      <source>Lender credits</source>
      <translation>Créditos del prestamista</translation>
    </message>
    <message>
      <source>Cash to close</source>
      <translation>Dinero en efectivo para el cierre</translation>
    </message>
    <message>
      <source>In 5 years: total paid</source>
      <translation>En 5 años: total pagado</translation>
    </message>
    <message>
      <source>In 5 years: principal paid off</source>
      <translation>En 5 años: capital amortizado</translation>
    </message>
    <message>
      <source>In 5 years: lender's figures</source>
      <translation>En 5 años: cifras del prestamista</translation>
    </message>
    <message>
      <source>TIP (%)</source>
      <translation>TIP (%)</translation>
    </message>
    <message>
      <source>TIP the lender disclosed</source>
      <translation>TIP que declaró el prestamista</translation>
    </message>
    <message>
      <source>Calculator's APR, all fees (%)</source>
      <translation>APR de la calculadora, todos los cargos (%)</translation>
    </message>
    <message>
      <source>Lender's APR (%)</source>
      <translation>APR del prestamista (%)</translation>
    </message>
    <message>
      <source>APR the lender disclosed (%)</source>
      <translation>APR que declaró el prestamista (%)</translation>
    </message>
    <message>
      <source>Disclosed APR check</source>
      <translation>Verificación del APR declarado</translation>
    </message>
    <message>
      <source>Total of payments</source>
      <translation>Pagos totales</translation>
    </message>
    <message>
      <source>Total interest</source>
      <translation>Intereses totales</translation>
    </message>
    <message>
      <source>Cost over the whole term</source>
      <translation>Costo en todo el plazo</translation>
    </message>
    <message numerus="yes">
      <source>Total paid in %n years</source>
      <translation>
        <numerusform>Total pagado en %n año</numerusform>
        <numerusform>Total pagado en %n años</numerusform>
      </translation>
    </message>
    <message numerus="yes">
      <source>Principal paid off in %n years</source>
      <translation>
        <numerusform>Capital amortizado en %n año</numerusform>
        <numerusform>Capital amortizado en %n años</numerusform>
      </translation>
    </message>
    <message numerus="yes">
      <source>Balance owed after %n years</source>
      <translation>
        <numerusform>Saldo adeudado tras %n año</numerusform>
        <numerusform>Saldo adeudado tras %n años</numerusform>
      </translation>
    </message>
    <message numerus="yes">
      <source>Cost over %n years</source>
      <translation>
        <numerusform>Costo en %n año</numerusform>
        <numerusform>Costo en %n años</numerusform>
      </translation>
    </message>
    <message numerus="yes">
      <source>Cost over %n years, savings at %1 %</source>
      <translation>
        <numerusform>Costo en %n año, ahorros al %1 %</numerusform>
        <numerusform>Costo en %n años, ahorros al %1 %</numerusform>
      </translation>
    </message>
    <message numerus="yes">
      <source>Cheapest over %n years</source>
      <translation>
        <numerusform>Más económica en %n año</numerusform>
        <numerusform>Más económica en %n años</numerusform>
      </translation>
    </message>
    <message>
      <source>With extra payments: paid off</source>
      <translation>Con pagos adicionales: liquidado</translation>
    </message>
    <message>
      <source>With extra payments: interest saved</source>
      <translation>Con pagos adicionales: intereses ahorrados</translation>
    </message>
    <message>
      <source>Highest payment</source>
      <translation>Pago más alto</translation>
    </message>
    <message>
      <source>Worst case: highest payment</source>
      <translation>Peor caso: pago más alto</translation>
    </message>
    <message numerus="yes">
      <source>Worst case: cost over %n years</source>
      <translation>
        <numerusform>Peor caso: costo en %n año</numerusform>
        <numerusform>Peor caso: costo en %n años</numerusform>
      </translation>
    </message>
    <message>
      <source>Worst case: cost over the whole term</source>
      <translation>Peor caso: costo en todo el plazo</translation>
    </message>
    <message>
      <source>Conventional</source>
      <translation>Convencional</translation>
    </message>
    <message>
      <source>FHA</source>
      <translation>FHA</translation>
    </message>
    <message>
      <source>VA</source>
      <translation>VA</translation>
    </message>
    <message>
      <source>Other</source>
      <translation>Otro</translation>
    </message>
    <message>
      <source>USDA</source>
      <translation>USDA</translation>
    </message>
    <message>
      <source>not locked</source>
      <translation>sin bloquear</translation>
    </message>
    <message>
      <source>not given</source>
      <translation>no se indica</translation>
    </message>
    <message>
      <source>%1: the lock has ended</source>
      <translation>%1: el bloqueo de tasa terminó</translation>
    </message>
    <message>
      <source>%1: expired, left out of the verdict</source>
      <translation>%1: vencidos, fuera del veredicto</translation>
    </message>
    <message>
      <source>%1: within three business days</source>
      <translation>%1: dentro de tres días hábiles</translation>
    </message>
    <message>
      <source>cannot be worked out</source>
      <translation>no se puede calcular</translation>
    </message>
    <message>
      <source>no rate</source>
      <translation>sin tasa</translation>
    </message>
    <message>
      <source>no monthly insurance</source>
      <translation>sin seguro mensual</translation>
    </message>
    <message>
      <source>with payment %1 (year %2)</source>
      <translation>con el pago %1 (año %2)</translation>
    </message>
    <message>
      <source>; the annual fee falls with the balance each year, to %1 a month</source>
      <translation>; el cargo anual baja con el saldo cada año, hasta %1 al mes</translation>
    </message>
    <message>
      <source>; the annual premium falls with the balance each year, to %1 a month</source>
      <translation>; la prima anual baja con el saldo cada año, hasta %1 al mes</translation>
    </message>
    <message>
      <source>; you may ask to cancel it after payment %1</source>
      <translation>; puede pedir su cancelación después del pago %1</translation>
    </message>
    <message>
      <source>, which saves %1</source>
      <translation>, lo que ahorra %1</translation>
    </message>
    <message>
      <source>%1 to %2</source>
      <translation>%1 a %2</translation>
    </message>
    <message>
      <source>year %1: %2</source>
      <translation>año %1: %2</translation>
    </message>
    <message>
      <source>years %1-%2: %3</source>
      <translation>años %1-%2: %3</translation>
    </message>
    <message>
      <source>%1 differs by %2</source>
      <translation>%1 difiere en %2</translation>
    </message>
    <message>
      <source>total paid</source>
      <translation>el total pagado</translation>
    </message>
    <message>
      <source>principal paid off</source>
      <translation>el capital amortizado</translation>
    </message>
    <message>
      <source>agrees to the dollar</source>
      <translation>coincide al dólar</translation>
    </message>
    <message>
      <source>: ask the lender why</source>
      <translation>: pregunte al prestamista por qué</translation>
    </message>
    <message>
      <source>%1: agrees</source>
      <translation>%1: coincide</translation>
    </message>
    <message>
      <source>%1: differs by %2 points</source>
      <translation>%1: difiere en %2 puntos</translation>
    </message>
    <message>
      <source>cheapest</source>
      <translation>más económica</translation>
    </message>
    <message>
      <source>payment %1 (year %2)</source>
      <translation>pago %1 (año %2)</translation>
    </message>
    <message numerus="yes">
      <source>%1, %n months sooner</source>
      <translation>
        <numerusform>%1, %n mes antes</numerusform>
        <numerusform>%1, %n meses antes</numerusform>
      </translation>
    </message>
    <message>
      <source>%1 from month %2</source>
      <translation>%1 desde el mes %2</translation>
    </message>
    <message>
      <source>The Loan Estimate prints %1; its table's lines add up to this: ask the lender why</source>
      <translation>La Estimación de Préstamo indica %1; las líneas de su tabla suman esta cifra: pregunte al prestamista por qué</translation>
    </message>
    <message>
      <source>The Loan Estimate's first year shows %1 a month</source>
      <translation>El primer año de la Estimación de Préstamo muestra %1 al mes</translation>
    </message>
    <message>
      <source>Property tax and homeowner's insurance, a twelfth of a year's each</source>
      <translation>Impuestos sobre la propiedad y seguro de la vivienda: un doceavo del monto anual de cada uno</translation>
    </message>
    <message>
      <source>Principal and interest, mortgage insurance and escrow, as the Loan Estimate's Projected Payments show them; HOA dues come on top</source>
      <translation>Capital e intereses, seguro hipotecario y cuenta en depósito, como los muestran los Pagos proyectados de la Estimación de Préstamo; las obligaciones de la asociación de propietarios (HOA) se suman aparte</translation>
    </message>
    <message>
      <source>All closing costs: loan costs (A to C) and other costs (E to H)</source>
      <translation>Todos los costos de cierre: costos del préstamo (A a C) y otros costos (E a H)</translation>
    </message>
    <message>
      <source>With the extra payments set in What If &gt; Extra Payments for All Offers, against the offer's own schedule</source>
      <translation>Con los pagos adicionales de Simular &gt; Pagos adicionales para todas las ofertas, frente a la tabla de amortización de la propia oferta</translation>
    </message>
    <message>
      <source>The highest principal and interest a month and the month it first applies; an adjustable rate as the index stands today</source>
      <translation>El pago mensual más alto de capital e intereses y el mes en que se aplica por primera vez; con una tasa ajustable, la tasa según el índice actual</translation>
    </message>
    <message>
      <source>An adjustable rate with each change as high as its caps allow; a fixed rate as it is</source>
      <translation>Una tasa ajustable con cada cambio tan alto como lo permitan sus límites; una tasa fija, tal como es</translation>
    </message>
    <message>
      <source>As the Loan Estimate's Calculating Cash to Close table adds it: total closing costs, less closing costs financed, plus the down payment, less the deposit, funds for you and seller credits, plus adjustments and other credits</source>
      <translation>Como lo suma la tabla Cálculo del dinero en efectivo para el cierre de la Estimación de Préstamo: total de costos de cierre, menos costos de cierre financiados, más el pago inicial, menos el depósito, los fondos para usted y los créditos del vendedor, más ajustes y otros créditos</translation>
    </message>
    <message>
      <source>As the Loan Estimate's first page gives them; a date already past or within three business days (Monday to Friday) is marked</source>
      <translation>Como las indica la primera página de la Estimación de Préstamo; se marca una fecha ya pasada o dentro de tres días hábiles (de lunes a viernes)</translation>
    </message>
    <message>
      <source>Principal, interest and mortgage insurance paid in the first 60 payments, plus the loan costs (A to C), prepaid interest and insurance paid at closing</source>
      <translation>Capital, intereses y seguro hipotecario pagados en los primeros 60 pagos, más los costos del préstamo (A a C), el pago anticipado de intereses y el seguro pagado al cierre</translation>
    </message>
    <message>
      <source>The Loan Estimate's own In 5 Years figures, in whole dollars, against these</source>
      <translation>Las cifras de En 5 años de la propia Estimación de Préstamo, en dólares enteros, frente a estas</translation>
    </message>
    <message>
      <source>Total Interest Percentage: all the interest over the term plus prepaid interest, as a percentage of the loan</source>
      <translation>Total de intereses pagados: todos los intereses del plazo más el pago anticipado de intereses, como porcentaje del préstamo</translation>
    </message>
    <message>
      <source>The calculator's own APR: every fee counts as a finance charge, no monthly insurance. The fees are the calculator's nine for an offer kept from it, and the loan costs (A to C) and prepaid interest of any other offer. "cannot be worked out" when the calculator could not (fees of the whole loan, say)</source>
      <translation>El APR propio de la calculadora: todo cargo es cargo financiero, sin seguro mensual. Los cargos son los nueve de la calculadora para una oferta conservada desde ella, y los costos del préstamo (A a C) y el pago anticipado de intereses de otras ofertas. "no se puede calcular" si la calculadora no pudo (por ejemplo, con cargos por todo el monto del préstamo)</translation>
    </message>
    <message>
      <source>The APR as a lender must figure it: only finance charges, with monthly mortgage insurance until it ends</source>
      <translation>El APR como debe calcularlo un prestamista: solo los cargos financieros, con el seguro hipotecario mensual hasta que termine</translation>
    </message>
    <message>
      <source>A disclosed APR is accurate within 1/8 of a point, within 1/4 when the payments change other than with the rate (12 CFR 1026.22(a)(2), (3)), or when it comes from a disclosed finance charge that is accurate (1026.22(a)(4))</source>
      <translation>Un APR declarado es exacto dentro de 1/8 de punto, dentro de 1/4 cuando los pagos cambian por otra causa que la tasa (12 CFR 1026.22(a)(2), (3)), o cuando proviene de un cargo financiero declarado que es exacto (1026.22(a)(4))</translation>
    </message>
    <message>
      <source>As the Closing Disclosure defines it (12 CFR 1026.38(o)(1)): all scheduled principal, interest and mortgage insurance, plus the loan costs (A to C), prepaid interest and insurance paid at closing</source>
      <translation>Como lo define la Declaración de Cierre (12 CFR 1026.38(o)(1)): todo el capital, los intereses y el seguro hipotecario programados, más los costos del préstamo (A a C), el pago anticipado de intereses y el seguro pagado al cierre</translation>
    </message>
    <message>
      <source>Principal, interest and mortgage insurance paid in the years you keep the loan, plus the loan costs (A to C)</source>
      <translation>Capital, intereses y seguro hipotecario pagados en los años que conserve el préstamo, más los costos del préstamo (A a C)</translation>
    </message>
    <message>
      <source>Loan costs (A to C) and prepaid interest, less lender credits, plus the interest and mortgage insurance paid in the years you keep the loan</source>
      <translation>Costos del préstamo (A a C) y pago anticipado de intereses, menos créditos del prestamista, más intereses y seguro hipotecario pagados en los años que conserve el préstamo</translation>
    </message>
    <message>
      <source>The same cost with what your money would earn counted: each payment and the balance left are discounted at your savings rate. This marks the cheapest.</source>
      <translation>El mismo costo, contando lo que rendiría su dinero: cada pago y el saldo restante se descuentan a la tasa de sus ahorros. Así se marca la más económica.</translation>
    </message>
    <message>
      <source>%1 (%2 %) against %3 (%4 %): </source>
      <translation>%1 (%2 %) comparada con %3 (%4 %): </translation>
    </message>
    <message>
      <source>cheaper from month %1 (year %2)</source>
      <translation>más económica desde el mes %1 (año %2)</translation>
    </message>
    <message>
      <source>never within the term</source>
      <translation>nunca dentro del plazo</translation>
    </message>
  </context>
  <context>
    <name>plumcrest::compare::CompareWindow</name>
    <message>
      <source>Compare Offers</source>
      <translation>Comparar ofertas</translation>
    </message>
    <message>
      <source>&amp;Years you expect to keep this loan:</source>
      <translation>Años &amp;que espera conservar este préstamo:</translation>
    </message>
    <message>
      <source>Years you expect to keep this loan</source>
      <translation>Años que espera conservar este préstamo</translation>
    </message>
    <message>
      <source>Your savings e&amp;arn:</source>
      <translation>Sus ahorros &amp;rinden:</translation>
    </message>
    <message>
      <source>Your savings earn, percent a year</source>
      <translation>Sus ahorros rinden, porcentaje anual</translation>
    </message>
    <message>
      <source>What your money would earn a year if it were not paid to the lender: the fair cost counts it</source>
      <translation>Lo que su dinero rendiría al año si no se pagara al prestamista: el costo justo lo toma en cuenta</translation>
    </message>
    <message>
      <source> % a year</source>
      <translation> % al año</translation>
    </message>
    <message>
      <source>Which offer is best for you</source>
      <translation>Qué oferta le conviene más</translation>
    </message>
    <message>
      <source>Kept offers</source>
      <translation>Ofertas conservadas</translation>
    </message>
    <message>
      <source>Break-even</source>
      <translation>Punto de equilibrio</translation>
    </message>
    <message>
      <source>Break-even months</source>
      <translation>Meses de equilibrio</translation>
    </message>
    <message>
      <source>From which month the lower rate has cost less (loan costs plus interest and mortgage insurance paid so far)</source>
      <translation>Desde qué mes la tasa más baja ha costado menos (costos del préstamo más intereses y seguro hipotecario pagados hasta entonces)</translation>
    </message>
    <message>
      <source>Break-even against</source>
      <translation>Punto de equilibrio frente a</translation>
    </message>
    <message>
      <source>A&amp;gainst:</source>
      <translation>Comparar co&amp;n:</translation>
    </message>
    <message>
      <source>Offers to compare</source>
      <translation>Ofertas para comparar</translation>
    </message>
    <message>
      <source>Tick the offers to set side by side; the newest six at first</source>
      <translation>Marque las ofertas para ver lado a lado; al inicio, las seis más nuevas</translation>
    </message>
    <message>
      <source>Com&amp;pare</source>
      <translation>Com&amp;parar</translation>
    </message>
    <message>
      <source>No offers are kept yet. In the calculator, choose File &gt; Keep This Offer... for each offer you want to compare.</source>
      <translation>Todavía no hay ofertas conservadas. En la calculadora, elija Archivo &gt; Conservar esta oferta... para cada oferta que desee comparar.</translation>
    </message>
    <message>
      <source>Offers</source>
      <translation>Ofertas</translation>
    </message>
    <message>
      <source>Char&amp;t</source>
      <translation>&amp;Gráfico</translation>
    </message>
    <message>
      <source>Points or credits</source>
      <translation>Puntos o créditos</translation>
    </message>
    <message>
      <source>Points or Cred&amp;its</source>
      <translation>Puntos o créd&amp;itos</translation>
    </message>
    <message>
      <source>Balance owed on the loan you have</source>
      <translation>Saldo adeudado del préstamo que tiene</translation>
    </message>
    <message>
      <source>Rate of the loan you have, percent a year</source>
      <translation>Tasa del préstamo que tiene, porcentaje anual</translation>
    </message>
    <message>
      <source> %</source>
      <translation> %</translation>
    </message>
    <message>
      <source>Payments left on the loan you have</source>
      <translation>Pagos restantes del préstamo que tiene</translation>
    </message>
    <message>
      <source>Mortgage insurance a month on the loan you have</source>
      <translation>Seguro hipotecario al mes del préstamo que tiene</translation>
    </message>
    <message>
      <source>Keep or refinance</source>
      <translation>Conservar o refinanciar</translation>
    </message>
    <message>
      <source>&amp;Balance owed (from your last statement):</source>
      <translation>Saldo adeudado (según su úl&amp;timo estado de cuenta):</translation>
    </message>
    <message>
      <source>Interest rate:</source>
      <translation>Tasa de interés:</translation>
    </message>
    <message>
      <source>Payments left:</source>
      <translation>Pagos restantes:</translation>
    </message>
    <message>
      <source>Mortgage insurance a &amp;month:</source>
      <translation>Seguro hipotecario al &amp;mes:</translation>
    </message>
    <message>
      <source>The loan you have</source>
      <translation>El préstamo que tiene</translation>
    </message>
    <message>
      <source>&amp;Keep or Refinance</source>
      <translation>Conservar o re&amp;financiar</translation>
    </message>
    <message>
      <source>&amp;Use in Calculator</source>
      <translation>&amp;Usar en la calculadora</translation>
    </message>
    <message>
      <source>&amp;Edit...</source>
      <translation>&amp;Editar...</translation>
    </message>
    <message>
      <source>&amp;Rename...</source>
      <translation>Cam&amp;biar nombre...</translation>
    </message>
    <message>
      <source>&amp;Delete</source>
      <translation>E&amp;liminar</translation>
    </message>
    <message>
      <source>&amp;Schedule...</source>
      <translation>Tabla de amorti&amp;zación...</translation>
    </message>
    <message>
      <source>He&amp;lp</source>
      <translation>Ayu&amp;da</translation>
    </message>
    <message>
      <source>&amp;Close</source>
      <translation>&amp;Cerrar</translation>
    </message>
    <message>
      <source>Verdict</source>
      <translation>Veredicto</translation>
    </message>
    <message>
      <source>%1 (%2 %)</source>
      <translation>%1 (%2 %)</translation>
    </message>
    <message>
      <source>The cheapest</source>
      <translation>La más económica</translation>
    </message>
    <message>
      <source>%1: %2 over %3, with savings earning %4 %</source>
      <translation>%1: %2 en %3, con ahorros que rinden el %4 %</translation>
    </message>
    <message>
      <source>No offer here has other rates to weigh. Type the points or the credit a lender quotes for another rate in Edit..., or keep two offers of one lender for the same loan at different rates.</source>
      <translation>Ninguna oferta aquí tiene otras tasas que evaluar. Escriba en Editar... los puntos o el crédito que un prestamista cotice para otra tasa, o conserve dos ofertas de un mismo prestamista para el mismo préstamo con tasas distintas.</translation>
    </message>
    <message>
      <source>No refinance offer is compared. A Loan Estimate whose purpose is Refinance, imported or typed, is set here against the loan you have.</source>
      <translation>No se compara ninguna oferta de refinanciamiento. Una Estimación de Préstamo con finalidad Refinanciamiento, importada o escrita, se compara aquí con su préstamo actual.</translation>
    </message>
    <message>
      <source>U&amp;ndo</source>
      <translation>Des&amp;hacer</translation>
    </message>
    <message>
      <source>Red&amp;o</source>
      <translation>&amp;Rehacer</translation>
    </message>
    <message>
      <source>Save Offers &amp;As...</source>
      <translation>Gua&amp;rdar ofertas como...</translation>
    </message>
    <message>
      <source>&amp;Open Offers...</source>
      <translation>Abrir &amp;ofertas...</translation>
    </message>
    <message>
      <source>Import &amp;Loan Estimate...</source>
      <translation>Importar Estimación &amp;de Préstamo...</translation>
    </message>
    <message>
      <source>Check &amp;Closing Disclosure...</source>
      <translation>Verificar Declaració&amp;n de Cierre...</translation>
    </message>
    <message>
      <source>&amp;Comparing Offers</source>
      <translation>Cómo &amp;comparar ofertas</translation>
    </message>
    <message>
      <source>&amp;Which Offer Is Best</source>
      <translation>Qué oferta le conviene má&amp;s</translation>
    </message>
    <message>
      <source>&amp;Points or Credits</source>
      <translation>&amp;Puntos o créditos</translation>
    </message>
    <message>
      <source>&amp;Offers</source>
      <translation>&amp;Ofertas</translation>
    </message>
    <message>
      <source>&amp;Cost Chart</source>
      <translation>Gráfico de &amp;costos</translation>
    </message>
    <message>
      <source>&amp;Balance Chart</source>
      <translation>Gráfico de &amp;saldo</translation>
    </message>
    <message>
      <source>&amp;Extra Payments for All Offers...</source>
      <translation>Pagos adicionales para todas las of&amp;ertas...</translation>
    </message>
    <message>
      <source>&amp;No Extra Payments</source>
      <translation>&amp;Sin pagos adicionales</translation>
    </message>
    <message>
      <source>&amp;File</source>
      <translation>&amp;Archivo</translation>
    </message>
    <message>
      <source>Offers compared</source>
      <translation>Ofertas comparadas</translation>
    </message>
    <message>
      <source>&amp;Offer</source>
      <translation>&amp;Oferta</translation>
    </message>
    <message>
      <source>&amp;View</source>
      <translation>&amp;Ver</translation>
    </message>
    <message>
      <source>&amp;What If</source>
      <translation>&amp;Simular</translation>
    </message>
    <message>
      <source>&amp;Help</source>
      <translation>A&amp;yuda</translation>
    </message>
    <message>
      <source>The kept offers are in use by another program; the list is read again in a moment.</source>
      <translation>Otro programa está usando las ofertas conservadas; la lista se volverá a leer en un momento.</translation>
    </message>
    <message>
      <source>Rename</source>
      <translation>Cambiar nombre</translation>
    </message>
    <message>
      <source>Edit</source>
      <translation>Editar</translation>
    </message>
    <message>
      <source>Delete</source>
      <translation>Eliminar</translation>
    </message>
    <message>
      <source>U&amp;ndo %1</source>
      <translation>Des&amp;hacer %1</translation>
    </message>
    <message>
      <source>Red&amp;o %1</source>
      <translation>&amp;Rehacer %1</translation>
    </message>
    <message>
      <source>Information</source>
      <translation>Información</translation>
    </message>
    <message>
      <source>Rename Offer</source>
      <translation>Cambiar nombre de la oferta</translation>
    </message>
    <message>
      <source>&amp;Name (the lender):</source>
      <translation>&amp;Nombre (prestamista):</translation>
    </message>
    <message numerus="yes">
      <source>A name must have 1 to %n characters; the offer keeps its name.</source>
      <translation>
        <numerusform>Un nombre debe tener %n carácter; la oferta conserva su nombre.</numerusform>
        <numerusform>Un nombre debe tener de 1 a %n caracteres; la oferta conserva su nombre.</numerusform>
      </translation>
    </message>
    <message>
      <source>%1 (%2 %), Closing Disclosure checked</source>
      <translation>%1 (%2 %), Declaración de Cierre verificada</translation>
    </message>
    <message>
      <source>Closing Disclosure Chec&amp;k</source>
      <translation>&amp;Verificación de la Declaración de Cierre</translation>
    </message>
  </context>
  <context>
    <name>plumcrest::compare::ComparisonExport</name>
    <message>
      <source>Points or credits</source>
      <translation>Puntos o créditos</translation>
    </message>
    <message>
      <source>Keep or refinance</source>
      <translation>Conservar o refinanciar</translation>
    </message>
    <message>
      <source>Which offer is best for you</source>
      <translation>Qué oferta le conviene más</translation>
    </message>
    <message>
      <source>Break-even</source>
      <translation>Punto de equilibrio</translation>
    </message>
    <message>
      <source>Offers compared</source>
      <translation>Ofertas comparadas</translation>
    </message>
    <message>
      <source>Years you expect to keep this loan: %1</source>
      <translation>Años que espera conservar este préstamo: %1</translation>
    </message>
  </context>
  <context>
    <name>plumcrest::compare::CostChart</name>
    <message numerus="yes">
      <source>%n year(s)</source>
      <translation>
        <numerusform>%n año</numerusform>
        <numerusform>%n años</numerusform>
      </translation>
    </message>
    <message numerus="yes">
      <source>Horizon: %n year(s)</source>
      <translation>
        <numerusform>Horizonte: %n año</numerusform>
        <numerusform>Horizonte: %n años</numerusform>
      </translation>
    </message>
    <message>
      <source>Years shown</source>
      <translation>Años que se muestran</translation>
    </message>
    <message>
      <source>Whole term</source>
      <translation>Todo el plazo</translation>
    </message>
    <message>
      <source>First 5 years</source>
      <translation>Primeros 5 años</translation>
    </message>
    <message>
      <source>First 10 years</source>
      <translation>Primeros 10 años</translation>
    </message>
    <message>
      <source>Ran&amp;ge:</source>
      <translation>Ra&amp;ngo:</translation>
    </message>
    <message>
      <source>With the chart focused, the arrow keys step through the months and show each offer's figures here.</source>
      <translation>Con el gráfico seleccionado, las teclas de flecha recorren los meses y muestran aquí las cifras de cada oferta.</translation>
    </message>
    <message>
      <source>Cost of each offer over time</source>
      <translation>Costo de cada oferta en el tiempo</translation>
    </message>
    <message>
      <source>Balance of each offer over time</source>
      <translation>Saldo de cada oferta en el tiempo</translation>
    </message>
    <message>
      <source>Cost over Ti&amp;me</source>
      <translation>Costo en el &amp;tiempo</translation>
    </message>
    <message>
      <source>&amp;Balance</source>
      <translation>Sal&amp;do</translation>
    </message>
    <message numerus="yes">
      <source>Drawn: the first %1 of the %n offers compared, as many as their colours tell apart: %2</source>
      <translation>
        <numerusform>Se muestran: las primeras %1 de la %n oferta comparada, tantas como sus colores permiten distinguir: %2</numerusform>
        <numerusform>Se muestran: las primeras %1 de las %n ofertas comparadas, tantas como sus colores permiten distinguir: %2</numerusform>
      </translation>
    </message>
    <message>
      <source>Drawn: %1</source>
      <translation>Se muestran: %1</translation>
    </message>
    <message>
      <source>%1 and %2</source>
      <translation>%1 y %2</translation>
    </message>
    <message>
      <source>Cost so far: loan costs plus interest and mortgage insurance paid</source>
      <translation>Costo acumulado: costos del préstamo más intereses y seguro hipotecario pagados</translation>
    </message>
    <message>
      <source>Balance owed</source>
      <translation>Saldo adeudado</translation>
    </message>
    <message>
      <source>Years</source>
      <translation>Años</translation>
    </message>
    <message>
      <source>Dollars</source>
      <translation>Dólares</translation>
    </message>
    <message>
      <source>%1 with extra payments</source>
      <translation>%1 con pagos adicionales</translation>
    </message>
    <message>
      <source>Break-even</source>
      <translation>Punto de equilibrio</translation>
    </message>
    <message>
      <source>month %1</source>
      <translation>mes %1</translation>
    </message>
    <message>
      <source>Break-even of %1 at month %2: %3</source>
      <translation>Punto de equilibrio de %1 en el mes %2: %3</translation>
    </message>
    <message>
      <source>cost so far</source>
      <translation>costo acumulado</translation>
    </message>
    <message>
      <source>balance</source>
      <translation>saldo</translation>
    </message>
    <message>
      <source>%1
Month %2 (year %3), %4: %5</source>
      <translation>%1
Mes %2 (año %3), %4: %5</translation>
    </message>
    <message>
      <source>%1: %2 after %3</source>
      <translation>%1: %2 tras %3</translation>
    </message>
    <message>
      <source>%1: %2 owed after %3</source>
      <translation>%1: %2 adeudado tras %3</translation>
    </message>
    <message>
      <source>%1 with extra payments: %2 after %3</source>
      <translation>%1 con pagos adicionales: %2 tras %3</translation>
    </message>
    <message>
      <source>%1 cross at month %2</source>
      <translation>%1 se cruzan en el mes %2</translation>
    </message>
    <message>
      <source>%1 %2</source>
      <translation>%1 %2</translation>
    </message>
    <message>
      <source>Month %1 (year %2), %3: %4</source>
      <translation>Mes %1 (año %2), %3: %4</translation>
    </message>
    <message>
      <source>%1. %2</source>
      <translation>%1. %2</translation>
    </message>
    <message>
      <source>%1 at month %2</source>
      <translation>%1 en el mes %2</translation>
    </message>
    <message>
      <source>Break-even: %1</source>
      <translation>Punto de equilibrio: %1</translation>
    </message>
    <message>
      <source>Marked month</source>
      <translation>Mes marcado</translation>
    </message>
  </context>
  <context>
    <name>plumcrest::compare::CostLines</name>
    <message>
      <source>Cost over the years kept, one small chart per offer</source>
      <translation>Costo en los años previstos, un gráfico pequeño por oferta</translation>
    </message>
  </context>
  <context>
    <name>plumcrest::compare::FigureText</name>
    <message>
      <source>not given</source>
      <translation>no se indica</translation>
    </message>
    <message>
      <source>cannot be checked: no rate</source>
      <translation>no se puede verificar: sin tasa</translation>
    </message>
    <message>
      <source>within %1 points</source>
      <translation>dentro de %1 puntos</translation>
    </message>
    <message>
      <source>differs by %1 points: ask the lender why</source>
      <translation>difiere en %1 puntos: pregunte al prestamista por qué</translation>
    </message>
  </context>
  <context>
    <name>plumcrest::compare::Verdict</name>
    <message numerus="yes">
      <source>%n years</source>
      <translation>
        <numerusform>%n año</numerusform>
        <numerusform>%n años</numerusform>
      </translation>
    </message>
    <message numerus="yes">
      <source>%n months</source>
      <translation>
        <numerusform>%n mes</numerusform>
        <numerusform>%n meses</numerusform>
      </translation>
    </message>
    <message>
      <source>Over %1, with savings earning %2 %</source>
      <translation>En %1, con ahorros que rinden un %2 %</translation>
    </message>
    <message>
      <source>%1 is left out: its estimated closing costs expired on %2; ask the lender for a new Loan Estimate.</source>
      <translation>%1 queda fuera: sus costos de cierre estimados vencieron el %2; pida al prestamista una nueva Estimación de Préstamo.</translation>
    </message>
    <message>
      <source>No offer can be recommended: every quote has expired.</source>
      <translation>No se puede recomendar ninguna oferta: todas las cotizaciones han vencido.</translation>
    </message>
    <message>
      <source>%1, %2 costs %3; there is no other offer to set it against.</source>
      <translation>%1, %2 cuesta %3; no hay otra oferta con la que compararla.</translation>
    </message>
    <message>
      <source>%1, %2 and %3 cost the same.</source>
      <translation>%1, %2 y %3 cuestan lo mismo.</translation>
    </message>
    <message>
      <source>%1, %2 costs %3 less than %4, the next best.</source>
      <translation>%1, %2 cuesta %3 menos que %4, la siguiente mejor oferta.</translation>
    </message>
    <message>
      <source>If you sell or refinance within %1, %2 costs less.</source>
      <translation>Si vende o refinancia dentro de %1, %2 cuesta menos.</translation>
    </message>
    <message>
      <source>If you keep the loan %1 or longer, %2 costs less.</source>
      <translation>Si conserva el préstamo %1 o más, %2 cuesta menos.</translation>
    </message>
    <message>
      <source>It costs least however long you keep the loan.</source>
      <translation>Es la que menos cuesta, sin importar cuánto tiempo conserve el préstamo.</translation>
    </message>
    <message>
      <source>The loan amounts differ by more than 1 % (%1 %2, %3 %4): a larger loan lends more and costs more.</source>
      <translation>Los montos del préstamo difieren en más del 1 % (%1 %2, %3 %4): un préstamo mayor presta más y cuesta más.</translation>
    </message>
    <message>
      <source>The terms differ (%1 %2, %3 %4): the shorter term pays the loan off sooner with a higher payment each month.</source>
      <translation>Los plazos difieren (%1 %2, %3 %4): el plazo más corto liquida el préstamo antes, con un pago mensual más alto.</translation>
    </message>
    <message>
      <source>%1 has an adjustable rate and %2 a fixed one.</source>
      <translation>%1 tiene una tasa ajustable y %2, una tasa fija.</translation>
    </message>
    <message>
      <source>In the worst case its caps allow, %1 costs %2 over %3 before savings.</source>
      <translation>En el peor caso que permiten sus límites, %1 cuesta %2 en %3, sin contar los ahorros.</translation>
    </message>
    <message>
      <source>%1's rate is locked and %2's is not: an unlocked rate can change before closing.</source>
      <translation>La tasa de %1 está bloqueada y la de %2 no: una tasa no bloqueada puede cambiar antes del cierre.</translation>
    </message>
    <message>
      <source>%1 is a refinance and %2 is not: they are not the same loan; Keep or Refinance sets a refinance against the loan you have.</source>
      <translation>%1 es un refinanciamiento y %2 no: no son el mismo préstamo; Conservar o refinanciar compara un refinanciamiento con el préstamo que usted tiene.</translation>
    </message>
    <message>
      <source>%1's rate lock ended on %2: the rate may change.</source>
      <translation>El bloqueo de tasa de %1 terminó el %2: la tasa puede cambiar.</translation>
    </message>
    <message>
      <source>%1's rate lock ends on %2, within three business days.</source>
      <translation>El bloqueo de tasa de %1 termina el %2, dentro de tres días hábiles.</translation>
    </message>
    <message>
      <source>%1's estimated closing costs expire on %2, within three business days.</source>
      <translation>Para %1, vencen los costos de cierre estimados el %2, dentro de tres días hábiles.</translation>
    </message>
    <message>
      <source>It counts the loan costs, interest and mortgage insurance; it leaves out escrow and dues, which do not depend on the lender.</source>
      <translation>Cuenta los costos del préstamo, los intereses y el seguro hipotecario; deja fuera la cuenta en depósito y las obligaciones de la HOA, que no dependen del prestamista.</translation>
    </message>
    <message>
      <source>It counts the loan costs, interest and mortgage insurance; it leaves out escrow and dues, which do not depend on the lender, and what an adjustable rate's index will do: it takes the index as it is today.</source>
      <translation>Cuenta los costos del préstamo, los intereses y el seguro hipotecario; deja fuera la cuenta en depósito y las obligaciones de la HOA, que no dependen del prestamista, y lo que hará el índice de una tasa ajustable: toma el índice tal como está hoy.</translation>
    </message>
  </context>
  <context>
    <name>plumcrest::offers::EstimateImport</name>
    <message>
      <source>not on the form as read</source>
      <translation>no está en el formulario tal como se leyó</translation>
    </message>
    <message>
      <source>p. %1, line %2</source>
      <translation>pág. %1, línea %2</translation>
    </message>
    <message>
      <source>Not found on the Loan Estimate</source>
      <translation>No se encontró en la Estimación de Préstamo</translation>
    </message>
    <message>
      <source>Read on the Loan Estimate, page %1, line %2</source>
      <translation>Leído en la Estimación de Préstamo, página %1, línea %2</translation>
    </message>
    <message>
      <source>The Loan Estimate reader could not be started (%1).</source>
      <translation>No se pudo iniciar el lector de la Estimación de Préstamo (%1).</translation>
    </message>
    <message numerus="yes">
      <source>Reading this file took longer than %n seconds and was stopped. The file may be damaged.</source>
      <translation>
        <numerusform>La lectura de este archivo tardó más de %n segundo y se detuvo. Puede que el archivo esté dañado.</numerusform>
        <numerusform>La lectura de este archivo tardó más de %n segundos y se detuvo. Puede que el archivo esté dañado.</numerusform>
      </translation>
    </message>
    <message>
      <source>This file could not be read: the reader stopped on it. The file may be damaged.</source>
      <translation>No se pudo leer este archivo: el lector se detuvo en él. Puede que el archivo esté dañado.</translation>
    </message>
    <message>
      <source>missing: type it from the form</source>
      <translation>falta: escríbalo del formulario</translation>
    </message>
    <message>
      <source>✓ agrees with %1 worked out</source>
      <translation>✓ coincide con %1 calculado</translation>
    </message>
    <message>
      <source>✗ differs by %1 points from %2 worked out. Ask the lender why.</source>
      <translation>✗ difiere en %1 puntos de %2 calculado. Pregunte al prestamista por qué.</translation>
    </message>
    <message>
      <source>✗ differs by %1 from %2 worked out. Ask the lender why.</source>
      <translation>✗ difiere en %1 de %2 calculado. Pregunte al prestamista por qué.</translation>
    </message>
    <message>
      <source>✗ differs from %1 worked out. Ask the lender why.</source>
      <translation>✗ difiere de %1 calculado. Pregunte al prestamista por qué.</translation>
    </message>
    <message>
      <source>Type the loan amount, interest rate, term and monthly principal and interest the form gives, or cancel.</source>
      <translation>Escriba el monto del préstamo, la tasa de interés, el plazo y el pago mensual de intereses y capital que da el formulario, o cancele.</translation>
    </message>
    <message>
      <source>Lender</source>
      <translation>Prestamista</translation>
    </message>
    <message>
      <source>Loan type</source>
      <translation>Tipo de préstamo</translation>
    </message>
    <message>
      <source>missing</source>
      <translation>falta</translation>
    </message>
    <message>
      <source>%1. %2</source>
      <translation>%1. %2</translation>
    </message>
    <message>
      <source>Read from the Loan Estimate: check each figure against the form</source>
      <translation>Leído de la Estimación de Préstamo: compare cada cifra con el formulario</translation>
    </message>
    <message>
      <source>This file lacks page %1 of the form: the figures there are missing.</source>
      <translation>A este archivo le falta la página %1 del formulario: faltan las cifras de esa página.</translation>
    </message>
    <message>
      <source>This file lacks pages %1 of the form: the figures there are missing.</source>
      <translation>A este archivo le faltan las páginas %1 del formulario: faltan las cifras de esas páginas.</translation>
    </message>
    <message>
      <source> and </source>
      <translation> y </translation>
    </message>
    <message>
      <source>Check of %1</source>
      <translation>Comprobación de %1</translation>
    </message>
    <message>
      <source>Date issued</source>
      <translation>Fecha de emisión</translation>
    </message>
    <message>
      <source>Purpose</source>
      <translation>Finalidad</translation>
    </message>
    <message>
      <source>Product</source>
      <translation>Producto</translation>
    </message>
    <message>
      <source>Monthly principal &amp; interest</source>
      <translation>Pago mensual de intereses y capital</translation>
    </message>
    <message>
      <source>%1 to %2</source>
      <translation>%1 a %2</translation>
    </message>
    <message>
      <source>Projected payment, years %1</source>
      <translation>Pago proyectado, años %1</translation>
    </message>
    <message>
      <source>%1 + insurance %2 + escrow %3 = %4</source>
      <translation>%1 + seguro %2 + cuenta en depósito %3 = %4</translation>
    </message>
    <message>
      <source>Balloon payment</source>
      <translation>Cuota extraordinaria</translation>
    </message>
    <message>
      <source>Rate lock</source>
      <translation>Bloqueo de tasa</translation>
    </message>
    <message>
      <source>locked until %1</source>
      <translation>bloqueada hasta %1</translation>
    </message>
    <message>
      <source>a date the form does not give</source>
      <translation>una fecha que el formulario no da</translation>
    </message>
    <message>
      <source>not locked</source>
      <translation>sin bloquear</translation>
    </message>
    <message>
      <source>Estimated closing costs expire</source>
      <translation>Vencen los costos de cierre estimados</translation>
    </message>
    <message>
      <source>Adjustable rate (AIR table)</source>
      <translation>Tasa ajustable (tabla TIA)</translation>
    </message>
    <message>
      <source>%1 + %2; first change at month %3 (at most %4), then every %5 months (at most %6); between %7 and %8</source>
      <translation>%1 + %2; primer cambio en el mes %3 (como máximo %4), luego cada %5 meses (como máximo %6); entre %7 y %8</translation>
    </message>
    <message>
      <source>interest only for the first %1 payments</source>
      <translation>interés solamente durante los primeros %1 pagos</translation>
    </message>
    <message>
      <source>no interest-only payments</source>
      <translation>sin pagos de interés solamente</translation>
    </message>
    <message>
      <source>; from payment %1, %2 to %3</source>
      <translation>; desde el pago %1, %2 a %3</translation>
    </message>
    <message>
      <source>; at most %1</source>
      <translation>; como máximo %1</translation>
    </message>
    <message>
      <source>Adjustable payments (AP table)</source>
      <translation>Pagos ajustables (tabla PA)</translation>
    </message>
    <message>
      <source>%1. section total</source>
      <translation>%1. total de la sección</translation>
    </message>
    <message>
      <source>D. Total loan costs</source>
      <translation>D. Costos totales del préstamo</translation>
    </message>
    <message>
      <source>I. Total other costs</source>
      <translation>I. Total de otros costos</translation>
    </message>
    <message>
      <source>J. Total closing costs</source>
      <translation>J. Total de costos de cierre</translation>
    </message>
    <message>
      <source>Cash to close</source>
      <translation>Dinero en efectivo para el cierre</translation>
    </message>
    <message>
      <source>%1 to you</source>
      <translation>%1 para usted</translation>
    </message>
    <message>
      <source>In 5 Years, total paid</source>
      <translation>En 5 años, total pagado</translation>
    </message>
    <message>
      <source>In 5 Years, principal paid off</source>
      <translation>En 5 años, capital pagado</translation>
    </message>
    <message>
      <source>APR</source>
      <translation>APR</translation>
    </message>
    <message>
      <source>TIP</source>
      <translation>TIP</translation>
    </message>
    <message>
      <source>Where the figures in the fields below were read</source>
      <translation>Dónde se leyeron las cifras de los campos de abajo</translation>
    </message>
  </context>
  <context>
    <name>plumcrest::offers::KeepOfferDialog</name>
    <message>
      <source>Keep This Offer</source>
      <translation>Conservar esta oferta</translation>
    </message>
    <message>
      <source>Name</source>
      <translation>Nombre</translation>
    </message>
    <message>
      <source>the lender</source>
      <translation>el prestamista</translation>
    </message>
    <message>
      <source>APR the lender disclosed</source>
      <translation>APR que declaró el prestamista</translation>
    </message>
    <message>
      <source>optional</source>
      <translation>opcional</translation>
    </message>
    <message>
      <source>&amp;Name (the lender):</source>
      <translation>&amp;Nombre (el prestamista):</translation>
    </message>
    <message>
      <source>&amp;APR the lender disclosed (%):</source>
      <translation>&amp;APR que declaró el prestamista (%):</translation>
    </message>
    <message>
      <source>&amp;Keep</source>
      <translation>&amp;Conservar</translation>
    </message>
    <message>
      <source>The inputs and results now in the calculator are kept under this name.</source>
      <translation>Los datos y resultados que hay ahora en la calculadora se conservan con este nombre.</translation>
    </message>
    <message>
      <source>Type a name, such as the lender's.</source>
      <translation>Escriba un nombre, como el del prestamista.</translation>
    </message>
    <message>
      <source>The APR must be a percentage such as %1, or left empty.</source>
      <translation>El APR debe ser un porcentaje como %1, o quedar vacío.</translation>
    </message>
  </context>
  <context>
    <name>plumcrest::offers::OfferDesk</name>
    <message>
      <source>Check Closing Disclosure</source>
      <translation>Verificar Declaración de Cierre</translation>
    </message>
    <message>
      <source>Closing Disclosures (*.pdf);;All files (*)</source>
      <translation>Declaraciones de Cierre (*.pdf);;Todos los archivos (*)</translation>
    </message>
    <message>
      <source>The Closing Disclosure %1 cannot be checked. %2</source>
      <translation>No se puede verificar la Declaración de Cierre %1. %2</translation>
    </message>
    <message>
      <source>The reader's answer could not be understood.</source>
      <translation>No se pudo entender la respuesta del lector.</translation>
    </message>
    <message>
      <source>Keep the offer's Loan Estimate first (File &gt; Import Loan Estimate...): the Closing Disclosure is checked against it.</source>
      <translation>Primero conserve la Estimación de Préstamo de la oferta (Archivo &gt; Importar Estimación de Préstamo...): la Declaración de Cierre se verifica con ella.</translation>
    </message>
    <message>
      <source>Closing Disclosure check</source>
      <translation>Verificación de la Declaración de Cierre</translation>
    </message>
    <message>
      <source>Which offer's Loan Estimate does this Closing Disclosure answer?</source>
      <translation>¿A la Estimación de Préstamo de qué oferta responde esta Declaración de Cierre?</translation>
    </message>
    <message>
      <source>This offer cannot be edited: it is no longer kept.</source>
      <translation>No se puede editar esta oferta: ya no está conservada.</translation>
    </message>
    <message>
      <source>Import Loan Estimate</source>
      <translation>Importar Estimación de Préstamo</translation>
    </message>
    <message>
      <source>Loan Estimates (*.pdf);;All files (*)</source>
      <translation>Estimaciones de Préstamo (*.pdf);;Todos los archivos (*)</translation>
    </message>
    <message numerus="yes">
      <source>Reading it took longer than %n seconds and was stopped. The file may be damaged.</source>
      <translation>
        <numerusform>La lectura tardó más de %n segundo y se detuvo. Puede que el archivo esté dañado.</numerusform>
        <numerusform>La lectura tardó más de %n segundos y se detuvo. Puede que el archivo esté dañado.</numerusform>
      </translation>
    </message>
    <message>
      <source>The Loan Estimate %1 cannot be imported. %2</source>
      <translation>No se puede importar la Estimación de Préstamo %1. %2</translation>
    </message>
    <message>
      <source>Review Loan Estimate</source>
      <translation>Revisar Estimación de Préstamo</translation>
    </message>
    <message>
      <source>Plumcrest offers (*.%1);;All files (*)</source>
      <translation>Ofertas de Plumcrest (*.%1);;Todos los archivos (*)</translation>
    </message>
    <message>
      <source>Save Offers</source>
      <translation>Guardar ofertas</translation>
    </message>
    <message>
      <source>&amp;Offers to save:</source>
      <translation>&amp;Ofertas a guardar:</translation>
    </message>
    <message>
      <source>Offers to save</source>
      <translation>Ofertas a guardar</translation>
    </message>
    <message>
      <source>No offers are kept yet, so there are none to save.</source>
      <translation>Aún no hay ofertas conservadas, así que no hay nada que guardar.</translation>
    </message>
    <message>
      <source>Save Offers As</source>
      <translation>Guardar ofertas como</translation>
    </message>
    <message>
      <source>Offers.%1</source>
      <translation>Ofertas.%1</translation>
    </message>
    <message>
      <source>The offers could not be saved to %1: %2</source>
      <translation>No se pudieron guardar las ofertas en %1: %2</translation>
    </message>
    <message>
      <source>Open Offers</source>
      <translation>Abrir ofertas</translation>
    </message>
    <message>
      <source>The offers in %1 cannot be opened, and nothing was changed. %2</source>
      <translation>No se pueden abrir las ofertas de %1, y no se cambió nada. %2</translation>
    </message>
    <message>
      <source>The offers in %1 could not be kept, and nothing was changed. %2</source>
      <translation>No se pudieron conservar las ofertas de %1, y no se cambió nada. %2</translation>
    </message>
    <message>
      <source>Offers added from %1: %2.</source>
      <translation>Ofertas agregadas desde %1: %2.</translation>
    </message>
    <message>
      <source>Offers it holds that were kept here already, left as they are: %1.</source>
      <translation>Ofertas del archivo que ya estaban conservadas aquí y se dejan como están: %1.</translation>
    </message>
    <message>
      <source>The check is shown but could not be kept with the offer. %1</source>
      <translation>La verificación se muestra, pero no se pudo conservar con la oferta. %1</translation>
    </message>
    <message>
      <source>Your change to the check could not be kept with the offer. %1</source>
      <translation>Su cambio en la verificación no se pudo conservar con la oferta. %1</translation>
    </message>
    <message>
      <source>No Closing Disclosure check can be opened for this offer: none is kept, or the kept one cannot be read. Check the Closing Disclosure again (File &gt; Check Closing Disclosure...).</source>
      <translation>No se puede abrir ninguna verificación de la Declaración de Cierre para esta oferta: no hay ninguna conservada, o la conservada no se puede leer. Verifique de nuevo la Declaración de Cierre (Archivo &gt; Verificar Declaración de Cierre...).</translation>
    </message>
  </context>
  <context>
    <name>plumcrest::offers::OfferEditor</name>
    <message>
      <source>By 12 CFR %1, %2: a finance charge.</source>
      <translation>Según 12 CFR %1, %2: es un cargo financiero.</translation>
    </message>
    <message>
      <source>By 12 CFR %1, %2: not a finance charge.</source>
      <translation>Según 12 CFR %1, %2: no es un cargo financiero.</translation>
    </message>
    <message>
      <source>The tick is yours and stays as you set it.</source>
      <translation>La marca es suya y se mantiene como usted la dejó.</translation>
    </message>
    <message>
      <source>Tick or clear it to decide otherwise.</source>
      <translation>Márquela o desmárquela para decidir otra cosa.</translation>
    </message>
    <message>
      <source>Edit Offer</source>
      <translation>Editar oferta</translation>
    </message>
    <message>
      <source>Loan</source>
      <translation>Préstamo</translation>
    </message>
    <message>
      <source>Name</source>
      <translation>Nombre</translation>
    </message>
    <message>
      <source>&amp;Name:</source>
      <translation>&amp;Nombre:</translation>
    </message>
    <message>
      <source>Type a name, such as the lender's.</source>
      <translation>Escriba un nombre, como el del prestamista.</translation>
    </message>
    <message>
      <source>Monthly costs</source>
      <translation>Costos mensuales</translation>
    </message>
    <message>
      <source>Ends when the balance reaches 78 % of the value, at the latest mid-term</source>
      <translation>Termina cuando el saldo llega al 78 % del valor, a más tardar a mitad del plazo</translation>
    </message>
    <message>
      <source>11 years when the base loan is 90 % of the value or less, else the whole term; each year's premium on that year's average scheduled balance</source>
      <translation>11 años si el préstamo base es el 90 % del valor o menos; si no, todo el plazo; la prima de cada año, sobre el saldo programado promedio de ese año</translation>
    </message>
    <message>
      <source>The whole term; each year's fee on that year's average scheduled balance</source>
      <translation>Todo el plazo; el cargo de cada año, sobre el saldo programado promedio de ese año</translation>
    </message>
    <message>
      <source>What the lender disclosed (empty: not given)</source>
      <translation>Lo que declaró el prestamista (vacío: no se indica)</translation>
    </message>
    <message>
      <source>Add line</source>
      <translation>Agregar línea</translation>
    </message>
    <message>
      <source>Add a line to %1</source>
      <translation>Agregar una línea a %1</translation>
    </message>
    <message>
      <source>Section total:</source>
      <translation>Total de la sección:</translation>
    </message>
    <message>
      <source>Total of %1</source>
      <translation>Total de %1</translation>
    </message>
    <message>
      <source>Ad&amp;justable rate</source>
      <translation>Tasa a&amp;justable</translation>
    </message>
    <message>
      <source>As the Loan Estimate's Adjustable Interest Rate (AIR) table gives it; the note rate above is the initial rate</source>
      <translation>Como la indica la Tabla de tasa de interés ajustable (TIA) de la Estimación de Préstamo; la tasa del pagaré de arriba es la tasa inicial</translation>
    </message>
    <message>
      <source>Totals</source>
      <translation>Totales</translation>
    </message>
    <message>
      <source>D. Total Loan Costs (A + B + C)</source>
      <translation>D. Costos totales del préstamo (A + B + C)</translation>
    </message>
    <message>
      <source>I. Total Other Costs (E + F + G + H)</source>
      <translation>I. Total de otros costos (E + F + G + H)</translation>
    </message>
    <message>
      <source>J. Total Closing Costs (D + I - lender credits)</source>
      <translation>J. Total de costos de cierre (D + I - créditos del prestamista)</translation>
    </message>
    <message>
      <source>&lt;b&gt;Closing costs&lt;/b&gt;</source>
      <translation>&lt;b&gt;Costos de cierre&lt;/b&gt;</translation>
    </message>
    <message>
      <source>from the offer's figures</source>
      <translation>según las cifras de la oferta</translation>
    </message>
    <message>
      <source>not given</source>
      <translation>no se indica</translation>
    </message>
    <message>
      <source>Cannot be more than the price.</source>
      <translation>No puede ser mayor que el precio.</translation>
    </message>
    <message>
      <source>Must be less than the loan amount, which includes it.</source>
      <translation>Debe ser menor que el monto del préstamo, que lo incluye.</translation>
    </message>
    <message>
      <source>Give the rate this price buys, or clear both.</source>
      <translation>Indique la tasa que da este precio, o borre ambos.</translation>
    </message>
    <message>
      <source>Give what this rate costs or pays, or clear both.</source>
      <translation>Indique lo que cuesta o paga esta tasa, o borre ambos.</translation>
    </message>
    <message>
      <source>what the charge is for</source>
      <translation>para qué es el cargo</translation>
    </message>
    <message>
      <source>Finance charge</source>
      <translation>Cargo financiero</translation>
    </message>
    <message>
      <source>Remove</source>
      <translation>Quitar</translation>
    </message>
    <message>
      <source>%1: label</source>
      <translation>%1: descripción</translation>
    </message>
    <message>
      <source>%1: amount</source>
      <translation>%1: monto</translation>
    </message>
    <message>
      <source>%1: finance charge</source>
      <translation>%1: cargo financiero</translation>
    </message>
    <message>
      <source>Remove %1</source>
      <translation>Quitar %1</translation>
    </message>
    <message>
      <source>An offer keeps at most %1 closing cost lines: remove one to add another.</source>
      <translation>Una oferta conserva como máximo %1 líneas de costos de cierre: quite una para agregar otra.</translation>
    </message>
    <message>
      <source>%1, line "%2"</source>
      <translation>%1, línea "%2"</translation>
    </message>
    <message>
      <source>%1, line %2</source>
      <translation>%1, línea %2</translation>
    </message>
    <message>
      <source>Say what this charge is for.</source>
      <translation>Indique para qué es este cargo.</translation>
    </message>
    <message>
      <source>The label can have at most %1 characters; this one has %2.</source>
      <translation>La descripción puede tener como máximo %1 caracteres; esta tiene %2.</translation>
    </message>
    <message>
      <source>-</source>
      <translation>-</translation>
    </message>
    <message>
      <source>Name: type a name, such as the lender's.</source>
      <translation>Nombre: escriba un nombre, como el del prestamista.</translation>
    </message>
    <message>
      <source>%1: %2</source>
      <translation>%1: %2</translation>
    </message>
    <message>
      <source>Closing costs: an offer keeps at most %1 lines; this one has %2.</source>
      <translation>Costos de cierre: una oferta conserva como máximo %1 líneas; esta tiene %2.</translation>
    </message>
    <message numerus="yes">
      <source>Entries to correct: %n. %1</source>
      <translation>
        <numerusform>Dato por corregir: %n. %1</numerusform>
        <numerusform>Datos por corregir: %n. %1</numerusform>
      </translation>
    </message>
    <message>
      <source>%1 Nothing typed is lost: press OK to try again, or Cancel to leave the offer unsaved.</source>
      <translation>%1 No se pierde nada de lo escrito: presione Aceptar para reintentar, o Cancelar para no guardar la oferta.</translation>
    </message>
    <message>
      <source>Close without keeping what you typed? The changes made here are lost; the offer stays as it was.</source>
      <translation>¿Cerrar sin conservar lo que escribió? Los cambios hechos aquí se pierden; la oferta queda como estaba.</translation>
    </message>
    <message>
      <source>Origination Charges</source>
      <translation>Gastos por tramitación</translation>
    </message>
    <message>
      <source>Services You Cannot Shop For</source>
      <translation>Servicios que usted no puede contratar</translation>
    </message>
    <message>
      <source>Services You Can Shop For</source>
      <translation>Servicios que usted puede contratar</translation>
    </message>
    <message>
      <source>Taxes and Other Government Fees</source>
      <translation>Impuestos y otros cargos gubernamentales</translation>
    </message>
    <message>
      <source>Prepaids</source>
      <translation>Pagos anticipados</translation>
    </message>
    <message>
      <source>Initial Escrow Payment at Closing</source>
      <translation>Pago inicial de la cuenta en depósito al cierre</translation>
    </message>
    <message>
      <source>Other</source>
      <translation>Otros</translation>
    </message>
    <message>
      <source>Must be fewer months than the term.</source>
      <translation>Debe ser menos meses que el plazo.</translation>
    </message>
  </context>
  <context>
    <name>plumcrest::offers::OfferEntry</name>
    <message>
      <source>Type an amount such as %1.</source>
      <translation>Escriba un monto como %1.</translation>
    </message>
    <message>
      <source>Type a percentage such as %1.</source>
      <translation>Escriba un porcentaje como %1.</translation>
    </message>
    <message>
      <source>Type a whole number of years such as 30.</source>
      <translation>Escriba un número entero de años, como 30.</translation>
    </message>
    <message>
      <source>Type a whole number of months such as 60.</source>
      <translation>Escriba un número entero de meses, como 60.</translation>
    </message>
    <message>
      <source>Type a date as month/day/year, such as 4/16/2026.</source>
      <translation>Escriba una fecha como mes/día/año, por ejemplo 4/16/2026.</translation>
    </message>
    <message>
      <source>Cannot be negative.</source>
      <translation>No puede ser negativo.</translation>
    </message>
    <message>
      <source>Must be more than %1.</source>
      <translation>Debe ser mayor que %1.</translation>
    </message>
    <message>
      <source>Must be from %1 to %2.</source>
      <translation>Debe estar entre %1 y %2.</translation>
    </message>
    <message>
      <source>Use at most 2 decimals.</source>
      <translation>Use como máximo 2 decimales.</translation>
    </message>
    <message>
      <source>Use at most 4 decimals.</source>
      <translation>Use como máximo 4 decimales.</translation>
    </message>
  </context>
  <context>
    <name>plumcrest::offers::OffersFile</name>
    <message>
      <source>its figure "%1" is missing</source>
      <translation>falta su cifra "%1"</translation>
    </message>
    <message>
      <source>its figure "%1" is not one the offer editor takes</source>
      <translation>su cifra "%1" no es una de las que acepta el editor de ofertas</translation>
    </message>
    <message>
      <source>its adjustable rate is given only in part</source>
      <translation>su tasa ajustable se indica solo en parte</translation>
    </message>
    <message>
      <source>its closing costs are not a list</source>
      <translation>sus costos de cierre no son una lista</translation>
    </message>
    <message>
      <source>it has %1 closing cost lines; at most %2 can be kept</source>
      <translation>tiene %1 líneas de costos de cierre; se conservan como máximo %2</translation>
    </message>
    <message>
      <source>its closing cost line %1 cannot be read</source>
      <translation>su línea de costos de cierre %1 no se puede leer</translation>
    </message>
    <message>
      <source>the label of its closing cost line %1 is longer than %2 characters</source>
      <translation>la descripción de su línea de costos de cierre %1 tiene más de %2 caracteres</translation>
    </message>
    <message>
      <source>It is larger than a file of offers can be (%1 MB).</source>
      <translation>Es más grande de lo que puede ser un archivo de ofertas (%1 MB).</translation>
    </message>
    <message>
      <source>It is not a file of offers saved by Plumcrest, or it is damaged.</source>
      <translation>No es un archivo de ofertas guardado por Plumcrest, o está dañado.</translation>
    </message>
    <message>
      <source>It does not say which version of the file it is; it may be damaged.</source>
      <translation>No indica qué versión del archivo es; puede estar dañado.</translation>
    </message>
    <message>
      <source>It was saved by a newer version of Plumcrest (file version %1); this version reads version %2. Open it with the newer version.</source>
      <translation>Lo guardó una versión más reciente de Plumcrest (versión de archivo %1); esta versión lee la versión %2. Ábralo con la versión más reciente.</translation>
    </message>
    <message>
      <source>Its years to keep the loan are not a number of years from 1 to 1,000; it may be damaged.</source>
      <translation>Sus años para conservar el préstamo no son un número de años de 1 a 1,000; puede estar dañado.</translation>
    </message>
    <message>
      <source>Its savings rate is not a percentage from 0 to 20; it may be damaged.</source>
      <translation>Su tasa de ahorro no es un porcentaje de 0 a 20; puede estar dañado.</translation>
    </message>
    <message>
      <source>It holds no list of offers; it may be damaged.</source>
      <translation>No contiene ninguna lista de ofertas; puede estar dañado.</translation>
    </message>
    <message>
      <source>It holds %1 offers; a file of offers holds at most %2.</source>
      <translation>Contiene %1 ofertas; un archivo de ofertas contiene como máximo %2.</translation>
    </message>
    <message>
      <source>Its offer %1 cannot be read: %2.</source>
      <translation>Su oferta %1 no se puede leer: %2.</translation>
    </message>
    <message>
      <source>it has no name</source>
      <translation>no tiene nombre</translation>
    </message>
    <message>
      <source>its name is longer than %1 characters</source>
      <translation>su nombre tiene más de %1 caracteres</translation>
    </message>
    <message>
      <source>it does not say when it was kept</source>
      <translation>no indica cuándo se conservó</translation>
    </message>
    <message>
      <source>it has no Loan Estimate</source>
      <translation>no tiene Estimación de Préstamo</translation>
    </message>
    <message>
      <source>There is no such file.</source>
      <translation>No existe ese archivo.</translation>
    </message>
    <message>
      <source>It is a folder, not a file.</source>
      <translation>Es una carpeta, no un archivo.</translation>
    </message>
    <message>
      <source>It is not a regular file.</source>
      <translation>No es un archivo normal.</translation>
    </message>
    <message>
      <source>It cannot be read: %1.</source>
      <translation>No se puede leer: %1.</translation>
    </message>
    <message>
      <source>A file of offers holds at most %1 offers; choose fewer.</source>
      <translation>Un archivo de ofertas contiene como máximo %1 ofertas; elija menos.</translation>
    </message>
    <message>
      <source>These offers would make a file larger than %1 MB; choose fewer.</source>
      <translation>Estas ofertas formarían un archivo de más de %1 MB; elija menos.</translation>
    </message>
  </context>
  <context>
    <name>plumcrest::offers::ReadingProgress</name>
    <message>
      <source>Import Loan Estimate</source>
      <translation>Importar Estimación de Préstamo</translation>
    </message>
    <message>
      <source>Reading %1...</source>
      <translation>Leyendo %1...</translation>
    </message>
    <message>
      <source>Reading the Loan Estimate</source>
      <translation>Leyendo la Estimación de Préstamo</translation>
    </message>
    <message>
      <source>Check Closing Disclosure</source>
      <translation>Verificar Declaración de Cierre</translation>
    </message>
    <message>
      <source>Reading the Closing Disclosure</source>
      <translation>Leyendo la Declaración de Cierre</translation>
    </message>
  </context>
  <context>
    <name>plumcrest::output::OutputCommands</name>
    <message>
      <source>Not Saved</source>
      <translation>No guardado</translation>
    </message>
    <message>
      <source>Could not save %1: %2</source>
      <translation>No se pudo guardar %1: %2</translation>
    </message>
    <message>
      <source>the file cannot be written.</source>
      <translation>no se puede escribir el archivo.</translation>
    </message>
    <message>
      <source>&amp;Export as CSV...</source>
      <translation>&amp;Exportar como CSV...</translation>
    </message>
    <message>
      <source>Export as CSV</source>
      <translation>Exportar como CSV</translation>
    </message>
    <message>
      <source>CSV files (*.csv)</source>
      <translation>Archivos CSV (*.csv)</translation>
    </message>
    <message>
      <source>Save as P&amp;DF...</source>
      <translation>Guardar como PD&amp;F...</translation>
    </message>
    <message>
      <source>Save as PDF</source>
      <translation>Guardar como PDF</translation>
    </message>
    <message>
      <source>PDF files (*.pdf)</source>
      <translation>Archivos PDF (*.pdf)</translation>
    </message>
    <message>
      <source>Print Pre&amp;view...</source>
      <translation>&amp;Vista previa de impresión...</translation>
    </message>
    <message>
      <source>&amp;Print...</source>
      <translation>&amp;Imprimir...</translation>
    </message>
    <message>
      <source>The printer could not be started.</source>
      <translation>No se pudo iniciar la impresora.</translation>
    </message>
  </context>
  <context>
    <name>plumcrest::output::PrintDocument</name>
    <message>
      <source>Page %1 of %2</source>
      <translation>Página %1 de %2</translation>
    </message>
    <message>
      <source>en_US</source>
      <comment>the locale whose long date format the printed pages use: this translation's own</comment>
      <translation>es_US</translation>
    </message>
  </context>
  <context>
    <name>plumcrest::reader</name>
    <message>
      <source>This file is not a PDF document.</source>
      <translation>Este archivo no es un documento PDF.</translation>
    </message>
    <message>
      <source>This PDF file is damaged and cannot be read.</source>
      <translation>Este archivo PDF está dañado y no se puede leer.</translation>
    </message>
    <message>
      <source>This PDF file is protected by a password and cannot be read.</source>
      <translation>Este archivo PDF está protegido con contraseña y no se puede leer.</translation>
    </message>
    <message>
      <source>This PDF file has no text to read: it is probably a scan. Type the offer in by hand.</source>
      <translation>Este archivo PDF no tiene texto que leer: probablemente es una imagen escaneada. Escriba la oferta a mano.</translation>
    </message>
    <message>
      <source>This PDF file is not a Loan Estimate on the standard form.</source>
      <translation>Este archivo PDF no es una Estimación de Préstamo en el formulario estándar.</translation>
    </message>
    <message>
      <source>This is a Closing Disclosure, not a Loan Estimate.</source>
      <translation>Esta es una Declaración de Cierre, no una Estimación de Préstamo.</translation>
    </message>
    <message>
      <source>This is a blank Loan Estimate form: it holds no offer's figures.</source>
      <translation>Es un formulario de Estimación de Préstamo en blanco: no contiene cifras de ninguna oferta.</translation>
    </message>
    <message>
      <source>This file holds more than one Loan Estimate. Import each from a file of its own.</source>
      <translation>Este archivo contiene más de una Estimación de Préstamo. Importe cada una desde un archivo propio.</translation>
    </message>
    <message>
      <source>This PDF file has a page with far more text or drawing than a Loan Estimate has, so it is not read.</source>
      <translation>Este archivo PDF tiene una página con mucho más texto o dibujo del que tiene una Estimación de Préstamo, así que no se lee.</translation>
    </message>
    <message>
      <source>Page 1 of this Loan Estimate cannot be read: it is missing, turned sideways or only a picture of the page. The loan's terms are on that page, so import a copy with page 1 upright, or type the offer in by hand.</source>
      <translation>La página 1 de esta Estimación de Préstamo no se puede leer: falta, está de lado o es solo una imagen de la página. Los términos del préstamo están en esa página, así que importe una copia con la página 1 en posición normal, o escriba la oferta a mano.</translation>
    </message>
    <message>
      <source>There is no such file.</source>
      <translation>No existe ese archivo.</translation>
    </message>
    <message>
      <source>This is a folder, not a file.</source>
      <translation>Esto es una carpeta, no un archivo.</translation>
    </message>
    <message>
      <source>This is not a regular file (it is a pipe, a device or a socket), so it is not read.</source>
      <translation>Esto no es un archivo normal (es una canalización, un dispositivo o un socket), así que no se lee.</translation>
    </message>
    <message>
      <source>You do not have permission to read this file.</source>
      <translation>No tiene permiso para leer este archivo.</translation>
    </message>
    <message>
      <source>This file is far larger than a Loan Estimate can be, so it is not read.</source>
      <translation>Este archivo es mucho mayor que una Estimación de Préstamo, así que no se lee.</translation>
    </message>
    <message>
      <source>This file changed while it was being read; try again once it is complete.</source>
      <translation>Este archivo cambió mientras se leía; inténtelo de nuevo cuando esté completo.</translation>
    </message>
    <message>
      <source>The system could not read this file.</source>
      <translation>El sistema no pudo leer este archivo.</translation>
    </message>
  </context>
  <context>
    <name>plumcrest::reader::ClosingCommand</name>
    <message>
      <source>This is a Loan Estimate, not a Closing Disclosure.</source>
      <translation>Esta es una Estimación de Préstamo, no una Declaración de Cierre.</translation>
    </message>
    <message>
      <source>This PDF file is not a Closing Disclosure on the standard form.</source>
      <translation>Este archivo PDF no es una Declaración de Cierre en el formulario estándar.</translation>
    </message>
  </context>
  <context>
    <name>plumcrest::schedule::ExtraPlanDialog</name>
    <message>
      <source>Month of one-off payment %1</source>
      <translation>Mes del pago único %1</translation>
    </message>
    <message>
      <source>Amount of one-off payment %1</source>
      <translation>Monto del pago único %1</translation>
    </message>
    <message>
      <source>Extra Payments</source>
      <translation>Pagos adicionales</translation>
    </message>
    <message>
      <source>Every extra payment goes to principal. The regular payment stays the same; the loan ends sooner.</source>
      <translation>Cada pago adicional se abona al capital. El pago regular sigue igual; el préstamo termina antes.</translation>
    </message>
    <message>
      <source>Every month</source>
      <translation>Cada mes</translation>
    </message>
    <message>
      <source>Extra every month</source>
      <translation>Adicional cada mes</translation>
    </message>
    <message>
      <source>From month</source>
      <translation>Desde el mes</translation>
    </message>
    <message>
      <source>E&amp;xtra every month:</source>
      <translation>Adicional cada &amp;mes:</translation>
    </message>
    <message>
      <source>&amp;From month:</source>
      <translation>&amp;Desde el mes:</translation>
    </message>
    <message>
      <source>Once</source>
      <translation>Una vez</translation>
    </message>
    <message>
      <source>One-off extra payments</source>
      <translation>Pagos adicionales únicos</translation>
    </message>
    <message>
      <source>Month</source>
      <translation>Mes</translation>
    </message>
    <message>
      <source>Amount</source>
      <translation>Monto</translation>
    </message>
    <message>
      <source>&amp;Add</source>
      <translation>&amp;Agregar</translation>
    </message>
    <message>
      <source>&amp;Remove</source>
      <translation>&amp;Quitar</translation>
    </message>
    <message>
      <source>Every year</source>
      <translation>Cada año</translation>
    </message>
    <message>
      <source>Extra every year</source>
      <translation>Adicional cada año</translation>
    </message>
    <message>
      <source>In month of each year</source>
      <translation>En el mes de cada año</translation>
    </message>
    <message>
      <source>month %1 of each year of the loan</source>
      <translation>mes %1 de cada año del préstamo</translation>
    </message>
    <message>
      <source>Extra every &amp;year:</source>
      <translation>Adicional &amp;cada año:</translation>
    </message>
    <message>
      <source>&amp;In:</source>
      <translation>&amp;En:</translation>
    </message>
    <message>
      <source>Pay &amp;biweekly</source>
      <translation>Pagar cada dos &amp;semanas</translation>
    </message>
    <message>
      <source>Half the monthly payment every two weeks makes 26 halves, that is 13 payments, a year. Servicers apply the one payment more to principal once a year; the schedule counts it in month 12 of each year of the loan.</source>
      <translation>La mitad del pago mensual cada dos semanas suma 26 mitades al año, es decir, 13 pagos. Los administradores de préstamos abonan ese pago de más al capital una vez al año; la tabla de amortización lo cuenta en el mes 12 de cada año del préstamo.</translation>
    </message>
    <message>
      <source>One-off line %1: the month must be from 1 to %2.</source>
      <translation>Línea de pago único %1: el mes debe estar entre 1 y %2.</translation>
    </message>
    <message>
      <source>One-off line %1: the amount must be from 0 to %2.</source>
      <translation>Línea de pago único %1: el monto debe estar entre 0 y %2.</translation>
    </message>
    <message>
      <source>%1 a month from month %2</source>
      <translation>%1 al mes desde el mes %2</translation>
    </message>
    <message>
      <source>%1 in month %2</source>
      <translation>%1 en el mes %2</translation>
    </message>
    <message>
      <source>%1 in month %2 of each year</source>
      <translation>%1 en el mes %2 de cada año</translation>
    </message>
    <message>
      <source>biweekly (one payment more a year, in month 12)</source>
      <translation>cada dos semanas (un pago más al año, en el mes 12)</translation>
    </message>
    <message>
      <source>no extra payments</source>
      <translation>sin pagos adicionales</translation>
    </message>
  </context>
  <context>
    <name>plumcrest::schedule::ScheduleModel</name>
    <message>
      <source>Year %1</source>
      <translation>Año %1</translation>
    </message>
    <message>
      <source>Total</source>
      <translation>Total</translation>
    </message>
    <message>
      <source>Month</source>
      <translation>Mes</translation>
    </message>
    <message>
      <source>Year</source>
      <translation>Año</translation>
    </message>
    <message>
      <source>Payment</source>
      <translation>Pago</translation>
    </message>
    <message>
      <source>Interest</source>
      <translation>Intereses</translation>
    </message>
    <message>
      <source>Principal</source>
      <translation>Capital</translation>
    </message>
    <message>
      <source>Balance</source>
      <translation>Saldo</translation>
    </message>
    <message>
      <source>Mortgage insurance</source>
      <translation>Seguro hipotecario</translation>
    </message>
    <message>
      <source>Total payment</source>
      <translation>Pago total</translation>
    </message>
    <message>
      <source>Principal and interest plus mortgage insurance. Property tax and homeowner's insurance (escrow) are not part of the schedule.</source>
      <translation>Capital e intereses más el seguro hipotecario. Los impuestos sobre la propiedad y el seguro de la vivienda (cuenta en depósito) no forman parte de la tabla de amortización.</translation>
    </message>
    <message>
      <source>The mortgage insurance paid with the payment; 0.00 once it has ended or when the loan has none.</source>
      <translation>El seguro hipotecario pagado con el pago; 0.00 una vez que ha terminado o cuando el préstamo no lo tiene.</translation>
    </message>
  </context>
  <context>
    <name>plumcrest::schedule::ScheduleWindow</name>
    <message numerus="yes">
      <source>Paid off with payment %1 (year %2): %n months sooner, %3 less interest.</source>
      <translation>
        <numerusform>Liquidado con el pago %1 (año %2): %n mes antes, %3 menos en intereses.</numerusform>
        <numerusform>Liquidado con el pago %1 (año %2): %n meses antes, %3 menos en intereses.</numerusform>
      </translation>
    </message>
    <message numerus="yes">
      <source>Loan %1 at %2 % over %n month(s); payment %3</source>
      <translation>
        <numerusform>Préstamo de %1 al %2 % a %n mes; pago de %3</numerusform>
        <numerusform>Préstamo de %1 al %2 % a %n meses; pago de %3</numerusform>
      </translation>
    </message>
    <message>
      <source>&amp;Help</source>
      <translation>A&amp;yuda</translation>
    </message>
    <message>
      <source>&amp;The Amortization Schedule</source>
      <translation>&amp;Tabla de amortización</translation>
    </message>
    <message>
      <source>&amp;What If</source>
      <translation>&amp;Simular</translation>
    </message>
    <message>
      <source>&amp;Extra Payments...</source>
      <translation>&amp;Pagos adicionales...</translation>
    </message>
    <message>
      <source>Rate as the &amp;Index Stands Today</source>
      <translation>Tasa según el í&amp;ndice actual</translation>
    </message>
    <message>
      <source>&amp;Worst Case</source>
      <translation>P&amp;eor caso</translation>
    </message>
    <message>
      <source>Extra payments: %1.</source>
      <translation>Pagos adicionales: %1.</translation>
    </message>
    <message>
      <source>Adjustable: %1 % for %2 months, then the index %3 % plus the margin %4 %, changing every %5 months by at most %6 points the first time and %7 after, never more than %8 points above the initial rate nor below %9 %.</source>
      <translation>Ajustable: %1 % durante %2 meses, luego el índice %3 % más el margen %4 %, con cambios cada %5 meses de %6 puntos como máximo la primera vez y %7 después, nunca más de %8 puntos por encima de la tasa inicial ni por debajo del %9 %.</translation>
    </message>
    <message>
      <source>Shown: the worst case, each change as high as the caps allow. Highest payment %1, from month %2.</source>
      <translation>Se muestra: el peor caso, cada cambio tan alto como lo permiten los límites. Pago más alto: %1, desde el mes %2.</translation>
    </message>
    <message>
      <source>Shown: the index as it stands today. Highest payment %1, from month %2.</source>
      <translation>Se muestra: el índice tal como está hoy. Pago más alto: %1, desde el mes %2.</translation>
    </message>
    <message>
      <source>Schedule: %1</source>
      <translation>Tabla de amortización: %1</translation>
    </message>
    <message>
      <source>Amortization schedule of %1</source>
      <translation>Tabla de amortización de %1</translation>
    </message>
    <message>
      <source>&amp;File</source>
      <translation>&amp;Archivo</translation>
    </message>
    <message numerus="yes">
      <source>Schedule %1 %2% %n year(s)</source>
      <translation>
        <numerusform>Amortización %1 %2% %n año</numerusform>
        <numerusform>Amortización %1 %2% %n años</numerusform>
      </translation>
    </message>
    <message numerus="yes">
      <source>Schedule %1 %2% %n month(s)</source>
      <translation>
        <numerusform>Amortización %1 %2% %n mes</numerusform>
        <numerusform>Amortización %1 %2% %n meses</numerusform>
      </translation>
    </message>
    <message>
      <source>&amp;Close</source>
      <translation>&amp;Cerrar</translation>
    </message>
    <message>
      <source>&amp;View</source>
      <translation>&amp;Ver</translation>
    </message>
    <message>
      <source>Show All &amp;Months</source>
      <translation>Mostrar todos los &amp;meses</translation>
    </message>
    <message>
      <source>&amp;Years Only</source>
      <translation>So&amp;lo años</translation>
    </message>
    <message>
      <source>Amortization schedule: %1</source>
      <translation>Tabla de amortización: %1</translation>
    </message>
  </context>
</TS>